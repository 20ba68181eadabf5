# Front door: set up, build and run Drawvane with CMake and Ninja.
JOBS ?= 2
BUILD_RELEASE ?= build/release
BUILD_TEST ?= build/test

.PHONY: all deps run test bench build clean

all: build

deps:
	@tools/install-deps

$(BUILD_RELEASE)/CMakeCache.txt:
	cmake -S . -B $(BUILD_RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release -DDRAWVANE_BUILD_BENCH=ON

$(BUILD_TEST)/CMakeCache.txt:
	cmake -S . -B $(BUILD_TEST) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDRAWVANE_SANITIZE=ON

build: deps $(BUILD_RELEASE)/CMakeCache.txt
	cmake --build $(BUILD_RELEASE) -j $(JOBS)

run: build
	$(BUILD_RELEASE)/app/drawvane

test: deps $(BUILD_TEST)/CMakeCache.txt
	cmake --build $(BUILD_TEST) -j $(JOBS)
	cd $(BUILD_TEST) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD_RELEASE)/bench/bench_*; do \
	  [ -x "$$b" ] || continue; echo "== $$b"; "$$b" || exit 1; done

clean:
	rm -rf build
