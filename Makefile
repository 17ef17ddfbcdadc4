# The front door: `make run` builds and runs the preview tool on the bundled example issue;
# `make test` installs what is missing, builds both targets and runs every test.

MAKEFLAGS += --no-print-directory

EXAMPLE_ARGS = --host-dir . --settings weekly-vesk-42.eml letter.txt

.PHONY: run test test-windows deps build-linux build-win32 build-win64 build-fuzz build-memcheck \
	bench measure fuzz dist screenshot format tidy clean

# `make fuzz` runs every fuzz target for FUZZ_LIMIT: seconds, or runs=N executions.
FUZZ_LIMIT ?= 60
FUZZ_TARGETS = find_text cut_excerpt show_paged unescape settings view_update preview_mail \
	preview_run

run:
	tools/install-deps.sh run
	cmake --preset linux-release > /dev/null
	cmake --build --preset linux-release --target dovrink-preview
	cd examples && ../build/linux-release/bin/dovrink-preview $(EXAMPLE_ARGS)

test: deps build-linux build-win32 build-fuzz build-memcheck
	ctest --preset linux
	ctest --preset fuzz
	ctest --preset memcheck
	$(MAKE) test-windows

# The shipped 32-bit DLL under 32-bit Wine. Some kernels and sandboxes cannot start a 32-bit
# program at all, and some machines cannot install 32-bit Wine; there 64-bit Wine runs the same
# tests on the same sources built for 64-bit Windows, and the 32-bit build keeps its tests that
# need no Wine.
test-windows:
	@if tools/wine-32-bit.sh; then \
		ctest --preset win32 && \
		echo "The Windows tests ran the shipped 32-bit dovrink.dll (build/win32) under 32-bit Wine."; \
	else \
		echo "This machine cannot start 32-bit programs or run 32-bit Wine: the Windows tests run on a 64-bit build."; \
		$(MAKE) build-win64 && ctest --preset win64 && ctest --preset win32-without-wine && \
		echo "The Windows tests ran dovrink.dll built for 64-bit Windows (build/win64) under 64-bit Wine; of the shipped 32-bit build (build/win32) the tests that need no Wine."; \
	fi

deps:
	tools/install-deps.sh test

# Each build is a CMake preset of the same name, with what that build needs installed first.
BUILDS = linux win32 win64 fuzz memcheck
$(addprefix build-,$(BUILDS)): build-%:
	tools/install-deps.sh $*
	cmake --preset $*
	cmake --build --preset $*

# The Linux build's figures, then the shipped DLL's under Wine; fails when a target is not met.
bench:
	tools/install-deps.sh bench
	cmake --preset linux-release -DDOVRINK_BENCH=ON > /dev/null
	cmake --build --preset linux-release --target viewer_bench update_count setup_bench
	cmake --preset win32 > /dev/null
	cmake --build --preset win32 --target dovrink dll_bench
	status=0; bench/run-bench.sh || status=1; \
		bench/wine/run-dll-bench.sh build/win32 || status=1; exit $$status

# The settings made from the newsletters of tests/newsletters, measured against their readers'
# sections.
measure:
	tools/install-deps.sh run
	cmake --preset linux-release > /dev/null
	cmake --build --preset linux-release --target measure_setup
	build/linux-release/bin/measure_setup tests/newsletters

fuzz: build-fuzz
	for target in $(FUZZ_TARGETS); do \
		echo "fuzz_$$target:"; \
		tests/fuzz/run-fuzzer.sh build/fuzz/bin/fuzz_$$target $(FUZZ_LIMIT) || exit 1; \
	done

# The release zip, in dist/: the DLL, the self-check, the example settings, the user's guide,
# the licence.
dist:
	tools/install-deps.sh dist
	cmake --preset dist > /dev/null
	cmake --build --preset dist
	mkdir -p dist
	cp build/dist/dist/*.zip dist/
	cd dist && sha256sum *.zip

# The user's guide's picture of a real message box, from the example issue under Wine.
screenshot: build-win32
	tools/install-deps.sh screenshot
	tools/screenshot/take.sh docs/message-box.png

format:
	tools/install-deps.sh format
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

tidy: build-linux
	tools/install-deps.sh tidy
	tools/tidy.sh build/linux

clean:
	rm -rf build dist
