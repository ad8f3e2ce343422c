# Two commands: `make run` starts the editor, `make test` runs the whole suite.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps configure build run test test-asan bench fuzz format clean

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEMBO_WERROR=ON $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/zembo-patch-editor

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory test-asan

# The core's tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZEMBO_WERROR=ON \
	    -DZEMBO_SANITIZE=ON -DZEMBO_CORE_ONLY=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	    ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

bench: build
	./scripts/run-benchmarks.sh $(BUILD)

# libFuzzer targets, built with clang on request (not part of `make test`).
fuzz: deps
	CXX=clang++ cmake -S . -B fuzz-build -DCMAKE_BUILD_TYPE=Debug -DZEMBO_FUZZ=ON -DZEMBO_CORE_ONLY=ON
	cmake --build fuzz-build -j $(JOBS) --target fuzz_profile fuzz_path_rules fuzz_value_quoting

format:
	git ls-files -co --exclude-standard '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) fuzz-build
