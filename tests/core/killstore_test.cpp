// A store killed at any moment leaves either the old or the new well-formed file.
#include <Core/Core.h>

#include <gtest/gtest.h>

#include "../support/settings_file.h"

#include <csignal>
#include <filesystem>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace Upp;

TEST(KilledStore, NeverLeavesATornFile)
{
	char tmpl[] = "/tmp/lunbrek-kill-XXXXXX";
	std::filesystem::path dir = mkdtemp(tmpl);
	String file = (dir / "k.cfg").string();
	// A long text value makes each store write enough bytes to be caught midway.
	const String big(200000, 'x');
	Settings first{ big + "0" };
	ASSERT_TRUE(StoreToFile(first, file.c_str()));

	std::mt19937 rng(7);
	int torn = 0;
	for(int round = 0; round < 60; round++) {
		pid_t pid = fork();
		ASSERT_GE(pid, 0);
		if(pid == 0) {
			for(int i = 1;; i++) {
				Settings s{ big + std::to_string(i % 10) };
				StoreToFile(s, file.c_str());
			}
		}
		usleep(std::uniform_int_distribution<int>(200, 8000)(rng));
		kill(pid, SIGKILL);
		waitpid(pid, nullptr, 0);
		Settings loaded;
		bool ok = LoadFromFile(loaded, file.c_str());
		String v = loaded.lang.ToString();
		if(!ok || v.size() != big.size() + 1 || v.compare(0, big.size(), big) != 0)
			torn++;
	}
	EXPECT_EQ(torn, 0);
	std::filesystem::remove_all(dir);
}
