# The two set-up commands: `make run` builds and starts Quorrel with the
# sample catalogue, `make test` builds and runs every test suite.

BUILD ?= build
GENERATOR ?= Ninja

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G $(GENERATOR) >/dev/null

build: configure
	@cmake --build $(BUILD)

run: build
	cd $(BUILD) && ./quorrel

test: build
	ctest --test-dir $(BUILD) --output-on-failure --no-tests=error

bench: build
	@set -e; for b in $(BUILD)/bench_*; do \
	    echo "== $$b"; scripts/with-display $$b; \
	done

clean:
	rm -rf $(BUILD)
