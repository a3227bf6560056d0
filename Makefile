# Kolvar's two commands: `make run` plays the game, `make test` runs every
# test. Both install what the machine lacks first.

BUILD      ?= build
ASAN_BUILD ?= build-asan
GENERATOR  := -G Ninja
JOBS       ?= $(shell nproc)

.PHONY: run test deps configure build test-asan assets bench fuzz fuzz-run format clean

run: configure
	@cmake --build $(BUILD) -j $(JOBS) --target kolvar
	@$(BUILD)/kolvar

test: build test-asan
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo --log-level=WARNING

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The rules and the widgets again under AddressSanitizer and UBSan.
test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DKOLVAR_SANITIZE=ON --log-level=WARNING
	@cmake --build $(ASAN_BUILD) -j $(JOBS) --target kolvar_core_tests kolvar_widget_tests
	@cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS) -L 'core|widget'

# Redraws the artwork and the sound cues into assets/.
assets: build
	@QT_QPA_PLATFORM=offscreen $(BUILD)/kolvar-artwork assets
	@$(BUILD)/kolvar-sounds assets

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD) $(ASAN_BUILD)
