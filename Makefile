# make test: install what is missing, build, run every test (normal build,
# then the engine under AddressSanitizer + UndefinedBehaviorSanitizer).

JOBS ?= $(shell nproc)
CMAKE_GEN := -G Ninja
BUILD := build
BUILD_ASAN := build-asan

.PHONY: deps build test test-normal test-asan format clean

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

test: deps
	$(MAKE) --no-print-directory test-normal
	$(MAKE) --no-print-directory test-asan

test-normal:
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan:
	cmake -S . -B $(BUILD_ASAN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DTESSAVAL_SANITIZE=address,undefined -DTESSAVAL_ENGINE_ONLY=ON
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --test-dir $(BUILD_ASAN) --output-on-failure -j $(JOBS) -L core

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(BUILD_ASAN)
