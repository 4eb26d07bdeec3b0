# The two set-up commands: `make run` builds and starts Quorrel with the
# sample catalogue, `make test` builds and runs every test suite.
#
# For changes to the code: `make sanitize` builds and runs every suite with
# AddressSanitizer and UndefinedBehaviorSanitizer in a second build folder;
# `make fuzz-smoke` builds the libFuzzer targets of fuzz/ with clang in a third
# and runs each for a bounded time from its seed corpus.

BUILD ?= build
GENERATOR ?= Ninja

.PHONY: all deps configure build run test bench sanitize fuzz-build fuzz-smoke clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G $(GENERATOR) >/dev/null

build: configure
	@cmake --build $(BUILD)

# Running needs only the program and the sample catalogue files beside it.
run: configure
	@cmake --build $(BUILD) --target quorrel catalogues
	cd $(BUILD) && ./quorrel

test: build
	ctest --test-dir $(BUILD) --output-on-failure --no-tests=error

bench: build
	@set -e; for b in $(BUILD)/bench_*; do \
	    echo "== $$b"; scripts/with-display $$b; \
	done

# The sanitizer build uses gcc, the compiler the toolkit libraries were
# built with. Any report fails the run: UBSan stops at the first error, ASan
# at its first, LeakSanitizer at exit (with the toolkit's own caches
# suppressed, see tests/lsan.supp). gcc's may-be-uninitialized warnings are
# off there: the instrumentation makes them misfire inside the standard
# library.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
SANITIZER_ENV = \
	ASAN_OPTIONS=detect_leaks=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp

sanitize: deps
	@CC=gcc CXX=g++ cmake -S . -B $(SANITIZE_BUILD) -G $(GENERATOR) \
	    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS) -Wno-maybe-uninitialized" \
	    -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" >/dev/null
	@cmake --build $(SANITIZE_BUILD)
	$(SANITIZER_ENV) ctest --test-dir $(SANITIZE_BUILD) --output-on-failure --no-tests=error

# The fuzz targets: clang with libFuzzer, ASan and UBSan; only fuzz/ is built.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 30
FUZZ_FLAGS = -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer

fuzz-build: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G $(GENERATOR) \
	    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORREL_FUZZ=ON \
	    -DCMAKE_CXX_FLAGS="$(FUZZ_FLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
	@cmake --build $(FUZZ_BUILD) --target fuzz_targets

fuzz-smoke: fuzz-build
	@$(SANITIZER_ENV) fuzz/run-smoke $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
