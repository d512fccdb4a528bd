# The front door: `make run` starts the calculator, `make test` runs every test. Both install what is missing.
JOBS  ?= $(shell nproc)
BUILD ?= build
ASAN  ?= build-asan

.PHONY: all deps build asan test run clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# The calculator's logic and its tests again, under AddressSanitizer and UndefinedBehaviorSanitizer.
asan: deps
	@cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DORBETTA_GUI=OFF -DORBETTA_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN) -j $(JOBS)

test: build asan
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cd $(ASAN) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j $(JOBS)

run: build
	@scripts/run $(BUILD)/orbetta

clean:
	rm -rf $(BUILD) $(ASAN)
