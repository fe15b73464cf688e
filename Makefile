# Two commands for a fresh Debian machine: `make run` and `make test`.
BUILD ?= build
JOBS  ?= $(shell nproc)
SUDO  := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

RUN_PKGS  := cmake make ninja-build g++ pkg-config qt6-base-dev libgl-dev libfontconfig-dev fonts-liberation2 \
             qt6-translations-l10n
TEST_PKGS := $(RUN_PKGS) desktop-file-utils appstream poppler-utils
DEB_PKGS  := $(RUN_PKGS) dpkg-dev file
FUZZ_PKGS := $(RUN_PKGS) clang libfuzzer-14-dev
SANITIZE_PKGS := $(TEST_PKGS) clang

# `make install PREFIX=/usr DESTDIR=/tmp/stage` installs below /tmp/stage/usr.
PREFIX ?= /usr/local

# The tests again, built with the address and undefined-behaviour
# sanitizers in a folder of their own; any report fails the run. The
# function tests also with clang, whose checks include float-to-int
# overflow, in $(UBSAN_BUILD).
ASAN_BUILD ?= build-asan
UBSAN_BUILD ?= build-ubsan
SANITIZE  := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
# Leaks count too; none needs to be suppressed, not even in Qt or fontconfig.
ASAN_ENV  := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1 \
             UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# The program once more without precompiled headers, in a folder of its
# own: a source that compiles only because a precompiled header happens to
# bring what it uses fails here. Only compiled, not tested.
NOPCH_BUILD ?= build-nopch

# libFuzzer on number reading and writing and on the function reader, for
# FUZZ_TIME seconds each; what it finds is left in $(FUZZ_BUILD) as crash-*
# files. A reader input that takes longer than a second counts as a finding.
FUZZ_BUILD ?= build-fuzz
FUZZ_TIME  ?= 180

.PHONY: run test sanitize nopch fuzz bench build install deb deps deps-test deps-deb deps-fuzz deps-sanitize clean

run: deps
	$(MAKE) --no-print-directory build TARGET=falkorin
	./$(BUILD)/falkorin

test: deps-test
	$(MAKE) --no-print-directory build TARGET=falkorin_tests
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

sanitize: deps-sanitize
	@[ -f $(ASAN_BUILD)/CMakeCache.txt ] || cmake -S . -B $(ASAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)" >/dev/null
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target falkorin_tests
	cd $(ASAN_BUILD) && $(ASAN_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@[ -f $(UBSAN_BUILD)/CMakeCache.txt ] || CXX=clang++ cmake -S . -B $(UBSAN_BUILD) $(GENERATOR) \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFALKORIN_READER_UBSAN=ON >/dev/null
	cmake --build $(UBSAN_BUILD) -j $(JOBS) --target reader_checks
	cd $(UBSAN_BUILD) && UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 QT_QPA_PLATFORM=offscreen \
	  ctest --output-on-failure -R '^ubsan_'

nopch: deps
	@[ -f $(NOPCH_BUILD)/CMakeCache.txt ] || cmake -S . -B $(NOPCH_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release \
	  -DFALKORIN_PCH=OFF >/dev/null
	cmake --build $(NOPCH_BUILD) -j $(JOBS) --target falkorin

fuzz: deps-fuzz
	@[ -f $(FUZZ_BUILD)/CMakeCache.txt ] || CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DFALKORIN_FUZZ=ON >/dev/null
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_numfmt fuzz_reader
	mkdir -p $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/corpus-reader
	cd $(FUZZ_BUILD) && ./fuzz_numfmt -max_total_time=$(FUZZ_TIME) -dict=../fuzz/numfmt.dict -print_final_stats=1 corpus
	cd $(FUZZ_BUILD) && ./fuzz_reader -max_total_time=$(FUZZ_TIME) -timeout=1 -dict=../fuzz/reader.dict \
	  -print_final_stats=1 corpus-reader ../fuzz/reader-seeds

bench: deps
	$(MAKE) --no-print-directory build TARGET="falkorin-bench falkorin-bare"
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/falkorin-bench ./$(BUILD)/falkorin-bare

install: deps
	$(MAKE) --no-print-directory build TARGET=falkorin
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The Debian package lands in $(BUILD): apt install ./$(BUILD)/falkorin_*.deb
# Its maintainer is whoever builds it: MAINTAINER="Name <address>", by
# default from Debian's DEBFULLNAME and DEBEMAIL (see dist/install.cmake).
MAINTAINER ?=
deb: deps-deb
	$(MAKE) --no-print-directory build TARGET=falkorin
	$(if $(MAINTAINER),cmake -S . -B $(BUILD) -DFALKORIN_MAINTAINER="$(MAINTAINER)" >/dev/null)
	cd $(BUILD) && cpack -G DEB

# Configures once and builds the named targets (all by default).
TARGET ?= all
# Ninja sees at once that nothing else needs building, where make checks
# every target again: a second after a small change.
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo -G Ninja)
# CMAKE_ARGS adds options to a fresh configuration (.ci/run: -Werror).
CMAKE_ARGS ?=
build:
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release $(CMAKE_ARGS) >/dev/null
	cmake --build $(BUILD) -j $(JOBS) --target $(TARGET)

# Installs only what is missing, so a second run costs nothing.
deps:
	@./tools/install-deps.sh $(RUN_PKGS)

deps-test:
	@./tools/install-deps.sh $(TEST_PKGS)

deps-deb:
	@./tools/install-deps.sh $(DEB_PKGS)

deps-fuzz:
	@./tools/install-deps.sh $(FUZZ_PKGS)

deps-sanitize:
	@./tools/install-deps.sh $(SANITIZE_PKGS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(UBSAN_BUILD) $(NOPCH_BUILD) $(FUZZ_BUILD)
