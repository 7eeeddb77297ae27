# Veyrin: `make run` builds and starts the reader on the bundled anthology; `make test` builds and
# runs every test; `make deb` builds the Debian package into $(BUILD_DIR). They install the Debian
# packages they need first (only those missing).

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
WORK_DIR ?= $(HOME)/.local/share/veyrin

DEBIAN_PACKAGES := cmake g++ ninja-build pkg-config zlib1g-dev \
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-webengine-dev libgl1-mesa-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  fonts-arphic-uming fonts-wqy-zenhei fonts-liberation2 \
  libx11-dev libxcb1-dev \
  xvfb xauth xdotool x11-utils x11-xserver-utils x11-apps x11-xkb-utils imagemagick openbox trayer \
  desktop-file-utils appstream libxml2-utils dpkg-dev file \
  dbus at-spi2-core gir1.2-atspi-2.0 python3 python3-gi \
  libopencc-dev libopencc-data opencc \
  qt6-speech-dev qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng espeak-ng \
  poppler-utils

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Launches of the real program per kind (with and without the web engine) in the start-up benchmark.
STARTUP_RUNS ?= 7

.PHONY: all deps install-packages configure build run test deb bench fuzz torture sanitize clean pinyin-tables

all: build

# Regenerates the pinyin tables from Unicode's Unihan data and the npm package pinyin (by hand only).
pinyin-tables:
	bash tools/pinyin/make_tables.sh

# The fuzz targets need clang with libFuzzer and the sanitizer runtimes.
FUZZ_PACKAGES := clang libclang-rt-14-dev zlib1g-dev

deps:
	@$(MAKE) --no-print-directory install-packages PACKAGES="$(DEBIAN_PACKAGES)"

install-packages:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target veyrin
	@bash tools/run.sh $(BUILD_DIR)/veyrin $(CURDIR)/data "$(WORK_DIR)"

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

deb: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target veyrin veyrin-skinpack veyrin-pinyin
	cd $(BUILD_DIR) && cpack -G DEB

bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVEYRIN_BUILD_BENCH=ON -DVEYRIN_BUILD_TESTS=OFF
	cmake --build build-bench -j $(JOBS)
	@for b in build-bench/bench/*_bench; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b; done
	@echo "== start-up (Xvfb, $(STARTUP_RUNS) runs each way, at 1x and 2x)"
	@python3 bench/startup_bench.py build-bench/veyrin $(CURDIR) --runs $(STARTUP_RUNS) --scales 1,2

# libFuzzer targets of every reader: skin package and store, settings file, line store, list and box
# forms, GBK conversions, key table (clang, outside the main build); FUZZ_SECONDS per target.
FUZZ_SECONDS ?= 60
fuzz:
	@$(MAKE) --no-print-directory install-packages PACKAGES="$(FUZZ_PACKAGES)"
	FUZZ_SECONDS=$(FUZZ_SECONDS) bash fuzz/run.sh

# Kills the program at random moments of its close and checks that no file is torn (the short
# version runs in `make test`); TORTURE_ROUNDS rounds, each a fresh working directory.
TORTURE_ROUNDS ?= 200
torture: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target veyrin
	ROUNDS=$(TORTURE_ROUNDS) bash tests/e2e/close_torture.sh $(BUILD_DIR)/veyrin $(CURDIR)

# The model and widget tests built by GCC with AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan); any report fails the run. Qt's and fontconfig's own leaks are suppressed by
# tools/lsan.supp, never the program's. Sized-delete mismatches are not checked: the web engine's
# browser core deletes through base classes by design, and in the program a delete through a base
# without a virtual destructor is already an error (-Wdelete-non-virtual-dtor, -Werror).
SANITIZE_DIR ?= build-asan
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined
SANITIZE_LAUNCHER := $(shell command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ \
	  $(SANITIZE_LAUNCHER) -DCMAKE_CXX_FLAGS="-O1 $(SANITIZE_FLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" -DVEYRIN_BUILD_TESTS=ON -DVEYRIN_BUILD_BENCH=OFF
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1:new_delete_type_mismatch=0 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS) -L '^(model|widget)$$'

clean:
	rm -rf $(BUILD_DIR) build-bench build-fuzz $(SANITIZE_DIR)
