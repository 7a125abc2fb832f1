// Start-up benchmark: how long Lunbrek takes from process start until its main window is
// shown and painted with a stored language, and its peak memory until then, against two
// Qt 6 windows of the same size started the same way: a bare one, and one that shows a
// single label and so also sets up the fonts. All three carry startup_probe.cpp, which
// reports the moment of the first finished picture and ends the process.
//
// Usage: startup_bench [--runs N] [--warmup N] [--xcb]
// Runs the three programs in turn N times each after the warm-up rounds and prints medians
// and Lunbrek's ratios to each reference. The Qt platform is offscreen unless --xcb is given.
// The programs share a session bus that the benchmark starts and ends itself.
// Deliberately free of Qt: the driver's own memory must stay far below what it measures,
// because a child's peak RSS includes the moment it was spawned.
#include "../tests/support/settings_bytes.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

static const double TIME_TARGET = 1.25;
static const double MEMORY_TARGET = 1.20;
static const int TIMEOUT_MS = 30000;

// The stored settings of a program that chose English.
static constexpr auto ENGLISH_CONFIG = StoredIndexBytes(0);

struct Sample {
	double ms;     // spawn to painted window
	double cpu_ms; // user + system time of the child
	double rss_mb; // peak resident set size
};

struct Program {
	std::string name;
	std::string path;
	std::vector<std::string> args;
	std::vector<Sample> samples;
};

static long long Now()
{
	timespec ts;
	clock_gettime(CLOCK_MONOTONIC, &ts);
	return (long long)ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

static std::string ExeFolder()
{
	char buf[4096];
	ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
	if(n <= 0)
		return ".";
	std::string path(buf, n);
	return path.substr(0, path.rfind('/'));
}

static bool WriteFile(const std::string& path, const unsigned char* data, size_t len)
{
	FILE* f = fopen(path.c_str(), "wb");
	if(!f)
		return false;
	bool ok = fwrite(data, 1, len, f) == len;
	return fclose(f) == 0 && ok;
}

static std::string ReadFile(const std::string& path)
{
	std::string s;
	if(FILE* f = fopen(path.c_str(), "rb")) {
		char buf[4096];
		size_t n;
		while((n = fread(buf, 1, sizeof buf, f)) > 0)
			s.append(buf, n);
		fclose(f);
	}
	return s;
}

[[noreturn]] static void Fail(const char* what, const std::string& detail = std::string())
{
	fprintf(stderr, "startup_bench: %s\n%s", what, detail.c_str());
	exit(1);
}

// Everything written to a log file so far.
static std::string ReadLog(int log)
{
	lseek(log, 0, SEEK_SET);
	std::string s;
	char buf[4096];
	ssize_t n;
	while((n = read(log, buf, sizeof buf)) > 0)
		s.append(buf, n);
	return s;
}

// An unnamed file for a child's error output, gone when the benchmark ends.
static int OpenLog()
{
	char path[] = "/tmp/startup_bench.XXXXXX";
	int fd = mkstemp(path);
	if(fd < 0)
		Fail("cannot create a temporary file");
	unlink(path);
	fcntl(fd, F_SETFD, FD_CLOEXEC);
	return fd;
}

// Reads from fd until a whole line has come, the writer has closed it or the deadline has
// passed; an incomplete line has no newline at its end.
static std::string ReadLine(int fd, long long deadline, bool* timedout)
{
	std::string line;
	*timedout = false;
	while(line.find('\n') == std::string::npos) {
		pollfd pf{ fd, POLLIN, 0 };
		int left = (int)std::max(0LL, (deadline - Now()) / 1000000);
		int r = poll(&pf, 1, left);
		if(r < 0 && errno == EINTR)
			continue;
		if(r <= 0) {
			*timedout = r == 0;
			break;
		}
		char buf[128];
		ssize_t n = read(fd, buf, sizeof buf);
		if(n <= 0)
			break;
		line.append(buf, n);
	}
	return line;
}

// The session bus of the programs. Without one, Qt on X starts a bus daemon at each program
// start, pays for it in the time measured and leaves the daemon running; a desktop's own bus
// would make the figures depend on what else uses it. The daemon is the benchmark's child,
// so that ending it also reaps it and nothing of it outlives the benchmark.
static pid_t bus = 0;

static void StopSessionBus()
{
	if(bus <= 0)
		return;
	kill(bus, SIGTERM);
	while(waitpid(bus, nullptr, 0) < 0 && errno == EINTR) {
	}
	bus = 0;
}

static void StartSessionBus()
{
	int fds[2];
	if(pipe(fds) != 0)
		Fail("cannot create a pipe");
	fcntl(fds[0], F_SETFD, FD_CLOEXEC);
	fcntl(fds[1], F_SETFD, FD_CLOEXEC);
	int log = OpenLog();
	posix_spawn_file_actions_t fa;
	posix_spawn_file_actions_init(&fa);
	posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
	posix_spawn_file_actions_adddup2(&fa, fds[1], 1);
	posix_spawn_file_actions_adddup2(&fa, log, 2);
	const char* args[] = { "dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address", nullptr };
	int rc = posix_spawnp(&bus, args[0], &fa, nullptr, const_cast<char**>(args), environ);
	posix_spawn_file_actions_destroy(&fa);
	close(fds[1]);
	if(rc != 0) {
		bus = 0;
		Fail((std::string("cannot start dbus-daemon: ") + strerror(rc)).c_str());
	}
	atexit(StopSessionBus);
	bool timedout;
	std::string address = ReadLine(fds[0], Now() + TIMEOUT_MS * 1000000LL, &timedout);
	close(fds[0]);
	if(address.empty() || address.back() != '\n')
		Fail("dbus-daemon did not tell its address", ReadLog(log));
	address.pop_back();
	close(log);
	setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);
}

// Runs the program once; its error output goes to errlog, shown if the run fails.
static Sample RunOnce(Program& p, const std::string& platform, int errlog, int* width, int* height)
{
	int fds[2];
	if(pipe(fds) != 0)
		Fail("cannot create a pipe");
	fcntl(fds[0], F_SETFD, FD_CLOEXEC);
	if(ftruncate(errlog, 0) != 0)
		Fail("cannot reset the error log");

	std::vector<std::string> env;
	for(char** e = environ; *e; e++)
		if(strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0 && strncmp(*e, "STARTUP_PROBE_FD=", 17) != 0)
			env.push_back(*e);
	env.push_back("QT_QPA_PLATFORM=" + platform);
	env.push_back("STARTUP_PROBE_FD=" + std::to_string(fds[1]));
	std::vector<char*> envp;
	for(std::string& s : env)
		envp.push_back(s.data());
	envp.push_back(nullptr);
	std::vector<char*> argv{ p.path.data() };
	for(std::string& a : p.args)
		argv.push_back(a.data());
	argv.push_back(nullptr);

	posix_spawn_file_actions_t fa;
	posix_spawn_file_actions_init(&fa);
	posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
	posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
	posix_spawn_file_actions_adddup2(&fa, errlog, 2);

	pid_t pid;
	long long t0 = Now();
	int rc = posix_spawn(&pid, p.path.c_str(), &fa, nullptr, argv.data(), envp.data());
	posix_spawn_file_actions_destroy(&fa);
	close(fds[1]);
	if(rc != 0)
		Fail(("cannot start " + p.path + ": " + strerror(rc)).c_str());

	bool timedout;
	std::string line = ReadLine(fds[0], t0 + TIMEOUT_MS * 1000000LL, &timedout);
	close(fds[0]);
	bool complete = line.find('\n') != std::string::npos;
	if(!complete)
		kill(pid, SIGKILL);
	int status = 0;
	rusage ru{};
	while(wait4(pid, &status, 0, &ru) < 0 && errno == EINTR) {
	}
	long long painted = 0;
	if(!complete || sscanf(line.c_str(), "%lld %d %d", &painted, width, height) != 3 || !WIFEXITED(status) ||
	   WEXITSTATUS(status) != 0)
		Fail((p.name + " did not report a painted window" + (timedout ? " in time" : "")).c_str(), ReadLog(errlog));
	Sample s;
	s.ms = (painted - t0) / 1e6;
	s.cpu_ms =
		ru.ru_utime.tv_sec * 1e3 + ru.ru_utime.tv_usec / 1e3 + ru.ru_stime.tv_sec * 1e3 + ru.ru_stime.tv_usec / 1e3;
	s.rss_mb = ru.ru_maxrss / 1024.0;
	return s;
}

static double Median(std::vector<double> v)
{
	std::sort(v.begin(), v.end());
	size_t n = v.size();
	return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

static std::vector<double> Field(const Program& p, double Sample::*f)
{
	std::vector<double> v;
	for(const Sample& s : p.samples)
		v.push_back(s.*f);
	return v;
}

static void PrintRow(const Program& p)
{
	std::vector<double> t = Field(p, &Sample::ms);
	printf("%-22s %9.1f ms %9.1f ms %9.1f ms %9.1f MB\n", p.name.c_str(), Median(t),
		   *std::min_element(t.begin(), t.end()), Median(Field(p, &Sample::cpu_ms)), Median(Field(p, &Sample::rss_mb)));
}

static void PrintRatios(const Program& p, const Program& reference)
{
	double tr = Median(Field(p, &Sample::ms)) / Median(Field(reference, &Sample::ms));
	double mr = Median(Field(p, &Sample::rss_mb)) / Median(Field(reference, &Sample::rss_mb));
	printf("%s / %s: time %.2fx (target %.2fx: %s), peak memory %.2fx (target %.2fx: %s)\n", p.name.c_str(),
		   reference.name.c_str(), tr, TIME_TARGET, tr <= TIME_TARGET ? "within" : "over", mr, MEMORY_TARGET,
		   mr <= MEMORY_TARGET ? "within" : "over");
}

int main(int argc, char** argv)
{
	int runs = 15;
	int warmup = 2;
	std::string platform = "offscreen";
	for(int i = 1; i < argc; i++) {
		std::string a = argv[i];
		if(a == "--runs" && i + 1 < argc)
			runs = atoi(argv[++i]);
		else if(a == "--warmup" && i + 1 < argc)
			warmup = atoi(argv[++i]);
		else if(a == "--xcb") {
			if(!getenv("DISPLAY"))
				Fail("--xcb needs DISPLAY");
			platform = "xcb";
		}
		else {
			fprintf(stderr, "usage: startup_bench [--runs N] [--warmup N] [--xcb]\n");
			return 2;
		}
	}
	if(runs < 1 || warmup < 0)
		Fail("--runs must be at least 1 and --warmup not negative");

	std::string folder = ExeFolder();
	Program lunbrek{ "Lunbrek", folder + "/lunbrek_probe", {}, {} };
	Program bare{ "bare Qt 6 window", folder + "/bare_window", {}, {} };
	Program label{ "window with one label", folder + "/label_window", {}, {} };

	// The probe build finds its settings beside itself, under its own name.
	std::string config = folder + "/lunbrek_probe.cfg";
	if(!WriteFile(config, ENGLISH_CONFIG.data(), ENGLISH_CONFIG.size()))
		Fail(("cannot write " + config).c_str());

	int errlog = OpenLog();
	StartSessionBus();

	// Lunbrek goes first once so that the references can take its size; after that each
	// round starts with the next program, so none always runs on the heels of another.
	int width = 0, height = 0;
	RunOnce(lunbrek, platform, errlog, &width, &height);
	bare.args = label.args = { std::to_string(width), std::to_string(height) };
	for(int i = 0; i < warmup + runs; i++) {
		Program* order[3] = { &bare, &label, &lunbrek };
		std::rotate(order, order + i % 3, order + 3);
		for(Program* p : order) {
			int w, h;
			Sample s = RunOnce(*p, platform, errlog, &w, &h);
			if(w != width || h != height)
				Fail((p->name + " painted a window of another size").c_str());
			if(i >= warmup)
				p->samples.push_back(s);
		}
	}
	if(ReadFile(config) != std::string((const char*)ENGLISH_CONFIG.data(), ENGLISH_CONFIG.size()))
		Fail(("the stored settings changed: " + config).c_str());

	printf("Start-up to the painted main window, QT_QPA_PLATFORM=%s, window %dx%d, %d runs each after %d warm-up\n",
		   platform.c_str(), width, height, runs, warmup);
	printf("%-22s %12s %12s %12s %12s\n", "", "median time", "min time", "median CPU", "peak RSS");
	PrintRow(bare);
	PrintRow(label);
	PrintRow(lunbrek);
	PrintRatios(lunbrek, bare);
	PrintRatios(lunbrek, label);
	return 0;
}
