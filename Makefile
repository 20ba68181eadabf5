# Front door: set up, build and run Drawvane with CMake and Ninja.
JOBS ?= 2
BUILD_RELEASE ?= build/release
BUILD_TEST ?= build/test
# The Debian package is built in a Release tree of its own, without the
# tests and benchmarks; the Windows store check cross-builds in BUILD_MINGW.
BUILD_PACKAGE ?= build/package
BUILD_MINGW ?= build/mingw

.PHONY: all deps run test bench build clean package check-package check-format format test-windows-store windows translations

all: build

deps:
	@tools/install-deps

$(BUILD_RELEASE)/CMakeCache.txt:
	cmake -S . -B $(BUILD_RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release -DDRAWVANE_BUILD_BENCH=ON \
	  -DDRAWVANE_BUILD_TESTS=OFF

# WERROR=ON (as CI sets it) fails the build on any warning.
WERROR ?= OFF

$(BUILD_TEST)/CMakeCache.txt:
	cmake -S . -B $(BUILD_TEST) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDRAWVANE_SANITIZE=ON \
	  -DDRAWVANE_WERROR=$(WERROR)

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
	@for b in $(BUILD_RELEASE)/bench/bench_calc $(BUILD_RELEASE)/bench/bench_history $(BUILD_RELEASE)/bench/bench_store $(BUILD_RELEASE)/bench/bench_ui; do \
	  [ -x "$$b" ] || continue; echo "== $$b"; "$$b" || exit 1; done
	@echo "== start-up as whole processes"
	bench/startup/compare-startup $(BUILD_RELEASE)/bench

# Built with Debian's hardening flags, as dpkg-buildflags gives them:
# fortified functions, the stack protector, and relro with bindnow.
HARDENING = DEB_BUILD_MAINT_OPTIONS=hardening=+all
$(BUILD_PACKAGE)/CMakeCache.txt:
	cmake -S . -B $(BUILD_PACKAGE) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DDRAWVANE_BUILD_TESTS=OFF -DDRAWVANE_BUILD_BENCH=OFF \
	  "-DCMAKE_CXX_FLAGS=$$($(HARDENING) dpkg-buildflags --get CPPFLAGS) $$($(HARDENING) dpkg-buildflags --get CXXFLAGS)" \
	  "-DCMAKE_EXE_LINKER_FLAGS=$$($(HARDENING) dpkg-buildflags --get LDFLAGS)"

# drawvane_<version>_<arch>.deb in BUILD_PACKAGE.
package: deps $(BUILD_PACKAGE)/CMakeCache.txt
	cmake --build $(BUILD_PACKAGE) -j $(JOBS)
	cd $(BUILD_PACKAGE) && cpack -G DEB

# The package's fields and files, and the menu entry and metainfo validated.
check-package: package
	tools/check-package $(BUILD_PACKAGE)

# The code's layout, as .clang-format says (CI runs check-format).
check-format: deps
	tools/check-format

format: deps
	tools/check-format --fix

# The registry store on Windows: cross-built with mingw-w64 and run under
# Wine, with Wine's regedit importing and exporting the store's file format.
# Needs the Debian packages mingw-w64 and wine; not part of make test.
test-windows-store:
	tools/test-windows-store $(BUILD_MINGW)

# Drawvane for Windows: Qt for Windows built once (about 40 minutes), the
# program and its tests cross-built with mingw-w64 and run under Wine, a zip
# and an installer, and the installer's smoke test. Not part of make test.
BUILD_WINDOWS ?= build/windows
windows:
	tools/windows/make-windows $(BUILD_WINDOWS)

clean:
	rm -rf build

# The translations brought up to the sources: new texts come in unfinished,
# texts gone from the program leave. NEW=it starts translations/drawvane_it.ts. tools/check-translations (a test of
# make test) fails while any is unfinished.
LUPDATE ?= /usr/lib/qt6/bin/lupdate
translations:
	$(LUPDATE) -locations none -no-obsolete -extensions cpp,h -I . \
	  -tr-function-alias QT_TRANSLATE_NOOP+=DRAWVANE_TR,QT_TRANSLATE_NOOP+=DRAWVANE_TEXT16 \
	  texts calc history wheels settings kit coupon dialogs app \
	  -ts translations/drawvane_*.ts $(if $(NEW),translations/drawvane_$(NEW).ts)
