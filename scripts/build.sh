# Sourced by the scripts: the tree's root as the working folder, the packages installed, and
# one way to configure and build. Not a command of its own.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
jobs=$(nproc)

# build DIR TARGET [CMAKE OPTION ...]: configures DIR with Ninja as a RelWithDebInfo build
# (an option may say otherwise) and builds TARGET, "all" for the default build. The compilers
# come from CC and CXX as cmake reads them.
build() {
	local dir=$1 target=$2
	shift 2
	# A folder configured from another copy of the tree is started afresh.
	if [ -f "$dir/CMakeCache.txt" ] && ! grep -qx "CMAKE_HOME_DIRECTORY:INTERNAL=$PWD" "$dir/CMakeCache.txt"; then
		rm -rf "$dir"
	fi
	cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
	cmake --build "$dir" -j "$jobs" --target "$target"
}
