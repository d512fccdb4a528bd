# The front door: `make run` starts the calculator, `make test` runs every test. Both install what is missing.
JOBS   ?= $(shell nproc)
BUILD  ?= build
ASAN   ?= build-asan
FUZZ   ?= build-fuzz
SOAK   ?= build-soak
SOAK_PLAIN ?= build-soak-plain
PREFIX ?= /usr/local
# The builds run make again below this one, which would announce every folder it enters.
MAKEFLAGS += --no-print-directory
# How long `make fuzz-run` runs each fuzz target, in seconds.
FUZZ_SECONDS ?= 600

.PHONY: all deps test-deps configure build asan test run install package fuzz fuzz-run soak soak-build soak-short bench orca-transcript update-translations clean

all: build

# What building and running needs; the tests' own tools come with test-deps.
deps:
	@scripts/install-deps

test-deps:
	@scripts/install-deps --test

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

# The program and everything else: tests, icons, benchmark programs.
build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The calculator's logic and its tests again, under AddressSanitizer and UndefinedBehaviorSanitizer.
asan: deps
	@cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DORBETTA_GUI=OFF -DORBETTA_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN) -j $(JOBS)

test: test-deps build asan soak-short
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cd $(ASAN) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j $(JOBS)

# Only what running needs is built: the program (its help file is put beside it when configuring). Without a
# display the program says so in one line and ends with status 1, which is its whole answer, not a failure
# of make's; any other failure still is one.
run: configure
	@cmake --build $(BUILD) -j $(JOBS) --target orbetta
	@$(BUILD)/orbetta || [ $$? -eq 1 ]

# Refreshes translations/*.ts from the texts in src/: new texts come in unfinished, texts no longer used go.
update-translations: configure
	@cmake --build $(BUILD) --target update-translations

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package, orbetta_<version>_<arch>.deb, in the build directory. Packaging needs dpkg-dev
# (dpkg-shlibdeps finds the libraries the package depends on) and none of the tests' tools.
package:
	@scripts/install-deps --package
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && cpack -G DEB

# libFuzzer targets (clang); `make fuzz-run` runs each one for FUZZ_SECONDS on a copy of the seed corpus.
fuzz:
	@scripts/install-deps --fuzz
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBETTA_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ) -j $(JOBS)

fuzz-run: fuzz
	@for t in keys conversions settings twovalue tape; do \
		mkdir -p $(FUZZ)/corpus/$$t && \
		$(FUZZ)/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -artifact_prefix=$(FUZZ)/$$t- \
			$(FUZZ)/corpus/$$t fuzz/corpus/$$t || exit 1; \
	done

# The soak program under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer.
soak-build: deps
	@cmake -S . -B $(SOAK) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBETTA_SANITIZE=ON -DORBETTA_SOAK=ON >/dev/null
	@cmake --build $(SOAK) -j $(JOBS) --target orbetta_soak

# Part of every test run: 10 000 random actions on the real windows under the sanitizers, the program ending
# and starting again with help, About, the two-value dialog and the tape open at random.
soak-short: soak-build
	QT_QPA_PLATFORM=offscreen CANBERRA_DRIVER=null ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		$(SOAK)/orbetta_soak --actions 10000

# 100 000 random actions on the real windows, offscreen, under AddressSanitizer and LeakSanitizer; then the
# same actions without sanitizers, where the resident size is the program's own and not the sanitizer's.
soak: soak-build
	@cmake -S . -B $(SOAK_PLAIN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBETTA_SOAK=ON -DORBETTA_TESTS=OFF >/dev/null
	@cmake --build $(SOAK_PLAIN) -j $(JOBS) --target orbetta_soak
	QT_QPA_PLATFORM=offscreen CANBERRA_DRIVER=null ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 $(SOAK)/orbetta_soak
	QT_QPA_PLATFORM=offscreen CANBERRA_DRIVER=null $(SOAK_PLAIN)/orbetta_soak

# Start-up time and memory next to a bare Qt window and two other calculators, under Xvfb.
bench: build
	@bench/install-deps
	bench/startup.sh $(BUILD)/orbetta

# What the Orca screen reader says while the calculator is worked from the keyboard, as a table.
orca-transcript: test-deps configure
	@cmake --build $(BUILD) -j $(JOBS) --target orbetta
	/usr/bin/python3 tests/a11y/orca_transcript.py $(BUILD)/orbetta --markdown

clean:
	rm -rf $(BUILD) $(ASAN) $(FUZZ) $(SOAK) $(SOAK_PLAIN)
