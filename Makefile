# The front door: `make run` builds and runs the preview tool on the bundled example issue;
# `make test` installs what is missing, builds both targets and runs every test.

MAKEFLAGS += --no-print-directory

EXAMPLE_ARGS = --host-dir . --settings weekly-vesk-42.txt letter.txt

.PHONY: run test deps build-linux build-win32 bench format tidy clean

run:
	cmake --preset linux-release > /dev/null
	cmake --build --preset linux-release --target dovrink-preview
	cd examples && ../build/linux-release/bin/dovrink-preview $(EXAMPLE_ARGS)

test: deps build-linux build-win32
	ctest --preset linux
	ctest --preset win32

deps:
	tools/install-deps.sh

build-linux:
	cmake --preset linux
	cmake --build --preset linux

build-win32:
	cmake --preset win32
	cmake --build --preset win32

bench:
	cmake --preset linux-release -DDOVRINK_BENCH=ON > /dev/null
	cmake --build --preset linux-release --target viewer_bench update_count
	bench/run-bench.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

tidy: build-linux
	git ls-files '*.cpp' | grep -v -e '^tests/wine/' -e '^platform/win32/' -e '^bench/' | \
		xargs clang-tidy -p build/linux --quiet

clean:
	rm -rf build
