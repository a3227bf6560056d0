# Kolvar's two commands: `make run` plays the game, `make test` runs every
# test. Both install what the machine lacks first.

BUILD      ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
FUZZ_BUILD ?= build-fuzz
SOAK_BUILD ?= build-soak
STRENGTH_BUILD ?= build-strength
COVERAGE_BUILD ?= build-cov
SEED       ?= 1
MOVES      ?= 100000000
EXPERT     ?= 0
GAMES      ?= 10000
PLAYER     ?= expert
COMPUTER   ?= clasic
STRENGTH_JOBS ?= $(JOBS)
DEB_BUILD  ?= build-deb
FUZZ_SECONDS ?= 60
SECONDS    ?= 60
REPLAY     ?=
GENERATOR  := -G Ninja
JOBS       ?= $(shell nproc)

# Warnings are errors in the project's own test runs only; a build dir that
# was configured keeps its setting when WERROR is not given.
WERROR ?=
WERROR_FLAG = $(if $(WERROR),-DKOLVAR_WERROR=$(WERROR))

.PHONY: run test deps configure build test-asan package assets bench soak strength fuzz fuzz-run \
  fuzz-coverage monkey format clean

run: configure
	@cmake --build $(BUILD) -j $(JOBS) --target kolvar
	@$(BUILD)/kolvar

# The tests read the game's own Romanian texts, whatever the machine's
# language.
test: WERROR = ON
test: export LANGUAGE = ro
test: build test-asan package
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(BUILD)/kolvar_monkey --game $(ASAN_BUILD)/kolvar --seconds 60 $(MONKEY_SEED) --log-dir $(BUILD)/monkey

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(WERROR_FLAG) --log-level=WARNING

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The rules and the widgets again under AddressSanitizer and UBSan; the game
# itself too, for the monkey. The layers' check builds the same probes in
# either build, so it runs once, in the plain one.
test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DKOLVAR_SANITIZE=ON $(WERROR_FLAG) --log-level=WARNING
	@cmake --build $(ASAN_BUILD) -j $(JOBS) --target kolvar_core_tests kolvar_widget_tests kolvar_fuzz_replay kolvar_fuzz_tests \
	  kolvar_signature kolvar_soak kolvar
	@cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS) -L 'core|widget' -E '^core\.Layers$$'

# The Debian package, built as Debian builds one: no build type and the
# distribution's own compiler flags, the game under /usr/games; then checked
# by lintian, whose errors fail the target.
package: deps
	@eval "$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)" && \
	  CXXFLAGS="$$CXXFLAGS $$CPPFLAGS" cmake -S . -B $(DEB_BUILD) $(GENERATOR) \
	  -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games \
	  -DBUILD_TESTING=OFF $(WERROR_FLAG) --log-level=WARNING
	@cmake --build $(DEB_BUILD) -j $(JOBS) --target kolvar kolvar_docs
	@rm -rf $(DEB_BUILD)/packages
	@cd $(DEB_BUILD) && cpack -G DEB >/dev/null
	@lintian --fail-on error $(DEB_BUILD)/packages/*.deb >$(DEB_BUILD)/lintian.txt 2>&1; \
	  status=$$?; grep -v 'root privileges' $(DEB_BUILD)/lintian.txt; exit $$status
	@echo "Package: $$(ls $(DEB_BUILD)/packages/*.deb)"

# Redraws the artwork and the sound cues into assets/.
assets: build
	@QT_QPA_PLATFORM=offscreen $(BUILD)/kolvar-artwork assets
	@$(BUILD)/kolvar-sounds assets

# Timings of the drawing, the moves and the rules, then start-up, memory and
# idle CPU against a bare Qt window. Not part of the tests: timings are noisy.
bench: deps
	@cmake -S . -B $(BENCH_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLVAR_BENCH=ON --log-level=WARNING
	@cmake --build $(BENCH_BUILD) -j $(JOBS)
	@cd $(BENCH_BUILD) && ctest --output-on-failure -L bench
	@$(BENCH_BUILD)/kolvar_bench_view --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
	@$(BENCH_BUILD)/kolvar_bench_core --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
	@$(BENCH_BUILD)/kolvar_signature
	@bench/startup $(BENCH_BUILD)/kolvar --helpers $(BENCH_BUILD)

# The long soak: MOVES moves of the rules from SEED, every event checked;
# prints moves per second and the tally. EXPERT=E plays about one game in E
# against the expert computer. Not part of `make test` (minutes).
soak: deps
	@cmake -S . -B $(SOAK_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DKOLVAR_CORE_ONLY=ON --log-level=WARNING
	@cmake --build $(SOAK_BUILD) -j $(JOBS) --target kolvar_soak
	@$(SOAK_BUILD)/kolvar_soak --seed $(SEED) --moves $(MOVES) --expert $(EXPERT)

# The computer's strength: GAMES seeded games from SEED, the opener
# alternating, PLAYER in the player's seat (clasic, random, policy, expert,
# handseer, omniscient, with settings: bench/strength/players.h) against the
# computer at level COMPUTER (clasic, expert); each side's wins with their
# 95 % interval and the expert's time per decision. A benchmark, not a test.
strength: deps
	@cmake -S . -B $(STRENGTH_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DKOLVAR_CORE_ONLY=ON --log-level=WARNING
	@cmake --build $(STRENGTH_BUILD) -j $(JOBS) --target kolvar_strength
	@$(STRENGTH_BUILD)/kolvar_strength --games $(GAMES) --seed $(SEED) --player $(PLAYER) \
	  --computer $(COMPUTER) --jobs $(STRENGTH_JOBS)

# The monkey: the sanitizers' build of the game on a desktop of its own, sent
# SECONDS of seeded random input through X (SEED when given, else a seed from
# the clock, printed), or the events of a log again (REPLAY=file). The log of
# every event goes to $(BUILD)/monkey/.
MONKEY_SEED = $(if $(filter file,$(origin SEED)),,--seed $(SEED))
MONKEY_SOURCE = $(if $(REPLAY),--replay $(REPLAY),$(MONKEY_SEED) --seconds $(SECONDS))

monkey: export LANGUAGE = ro
monkey: deps
	@cmake -S . -B $(ASAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DKOLVAR_SANITIZE=ON $(WERROR_FLAG) --log-level=WARNING
	@cmake --build $(ASAN_BUILD) -j $(JOBS) --target kolvar
	@cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(WERROR_FLAG) --log-level=WARNING
	@cmake --build $(BUILD) -j $(JOBS) --target kolvar_monkey
	@$(BUILD)/kolvar_monkey --game $(ASAN_BUILD)/kolvar $(MONKEY_SOURCE) --log-dir $(BUILD)/monkey

# The libFuzzer target over the rules (clang, AddressSanitizer, UBSan).
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLVAR_FUZZ=ON --log-level=WARNING
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target kolvar_fuzz

# A bounded run; anything it finds lands in tests/fuzz/regressions/. Inputs up
# to 4 KiB, enough for a few whole games.
fuzz-run: fuzz
	@mkdir -p $(FUZZ_BUILD)/corpus
	@$(FUZZ_BUILD)/kolvar_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=4096 -print_final_stats=1 \
	  -artifact_prefix=tests/fuzz/regressions/ $(FUZZ_BUILD)/corpus tests/fuzz/corpus

# The share of the rules' lines (game/, human/, computer/) that the committed
# corpus and regressions reach, per file, by clang's source-based coverage.
fuzz-coverage: deps
	@tests/fuzz/coverage.sh $(COVERAGE_BUILD)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD) $(DEB_BUILD) $(SOAK_BUILD) $(COVERAGE_BUILD) \
	  $(STRENGTH_BUILD)
