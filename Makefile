# Two commands for a fresh Debian machine: `make run` and `make test`.
BUILD ?= build
JOBS  ?= $(shell nproc)
SUDO  := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

RUN_PKGS  := cmake make g++ pkg-config qt6-base-dev libgl-dev libfontconfig-dev fonts-liberation2
TEST_PKGS := $(RUN_PKGS) desktop-file-utils appstream
DEB_PKGS  := $(RUN_PKGS) dpkg-dev file

# `make install PREFIX=/usr DESTDIR=/tmp/stage` installs below /tmp/stage/usr.
PREFIX ?= /usr/local

.PHONY: run test bench build install deb deps deps-test deps-deb clean

run: deps
	$(MAKE) --no-print-directory build TARGET=falkorin
	./$(BUILD)/falkorin

test: deps-test
	$(MAKE) --no-print-directory build TARGET=falkorin_tests
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	$(MAKE) --no-print-directory build TARGET="falkorin-bench falkorin-bare"
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/falkorin-bench ./$(BUILD)/falkorin-bare

install: deps
	$(MAKE) --no-print-directory build TARGET=falkorin
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The Debian package lands in $(BUILD): apt install ./$(BUILD)/falkorin_*.deb
deb: deps-deb
	$(MAKE) --no-print-directory build TARGET=falkorin
	cd $(BUILD) && cpack -G DEB

# Configures once and builds the named targets (all by default).
TARGET ?= all
build:
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(BUILD) -j $(JOBS) --target $(TARGET)

# Installs only what is missing, so a second run costs nothing.
deps:
	@./tools/install-deps.sh $(RUN_PKGS)

deps-test:
	@./tools/install-deps.sh $(TEST_PKGS)

deps-deb:
	@./tools/install-deps.sh $(DEB_PKGS)

clean:
	rm -rf $(BUILD)
