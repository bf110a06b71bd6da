# make run: install what is missing, build, start the program.
# make test: install what is missing, build, run every test (normal build,
# then the engine, the session and the app layer under AddressSanitizer +
# UndefinedBehaviorSanitizer with the portable kernels, and the engine and the
# session under ThreadSanitizer).

JOBS ?= $(shell nproc)
CMAKE_GEN := -G Ninja
BUILD := build
BUILD_ASAN := build-asan
BUILD_TSAN := build-tsan

.PHONY: deps build run test test-normal test-asan test-tsan screenshots format clean

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

# Starts the program; without a display it says how to start it offscreen.
run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "No display available: start the program offscreen with QT_QPA_PLATFORM=offscreen $(BUILD)/tessaval (or in a virtual display with xvfb-run -a $(BUILD)/tessaval)"; \
	else \
		./$(BUILD)/tessaval; \
	fi

test: deps
	$(MAKE) --no-print-directory test-normal
	$(MAKE) --no-print-directory test-asan
	$(MAKE) --no-print-directory test-tsan

test-normal:
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan:
	cmake -S . -B $(BUILD_ASAN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DTESSAVAL_SANITIZE=address,undefined -DTESSAVAL_ENGINE_ONLY=OFF -DTESSAVAL_AVX2=OFF
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --test-dir $(BUILD_ASAN) --output-on-failure -j $(JOBS) -L "core|session|app"

test-tsan:
	cmake -S . -B $(BUILD_TSAN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DTESSAVAL_SANITIZE=thread -DTESSAVAL_ENGINE_ONLY=ON
	cmake --build $(BUILD_TSAN) -j $(JOBS)
	TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
		ctest --test-dir $(BUILD_TSAN) --output-on-failure -j $(JOBS) -L "core|session"

# Pictures of every page in both themes, from the real program in a virtual display.
screenshots: build
	rm -rf $(BUILD)/screenshots
	xvfb-run -a -s '-screen 0 1920x1200x24' env QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$(BUILD)/screenshots/.config \
		$(BUILD)/tests/screenshots/screenshot_probe tests/screenshots/scenes.json $(BUILD)/screenshots

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_TSAN)
