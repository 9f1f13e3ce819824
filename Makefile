# make run: install what is missing, build, and start the editor on a sample game folder.
# make test: install what is missing, build, and pass every test.

BUILD        := build
FUZZ_BUILD   := build-fuzz
SAMPLE       := sample-game
JOBS         ?= $(shell nproc)
FUZZ_SECONDS ?= 300
SMOKE_SECONDS ?= 20
MAKEFLAGS    += --no-print-directory
SHELL        := /bin/bash
.SHELLFLAGS  := -o pipefail -c
FUZZ_FLAGS   := -max_len=16384 -artifact_prefix=$(FUZZ_BUILD)/

.PHONY: all deps build test run bench fuzz fuzz-smoke fuzz-build clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DQUARNEL_WITH_GUI=ON >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

$(SAMPLE)/tiledata.mul: | build
	@$(BUILD)/tools/sample/quarnel-sample $(SAMPLE)

# The editor starts in the sample folder, where its file dialog opens.
run: build $(SAMPLE)/tiledata.mul
	@cd $(SAMPLE) && ../$(BUILD)/app/Quarnel

# The fuzzing smoke runs first so that ctest's summary closes the output.
test: build fuzz-smoke
	@ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

bench: build
	@$(BUILD)/bench/store_bench
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bench/editor_bench
	@$(BUILD)/bench/tiles_bench

fuzz-build: deps
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DQUARNEL_FUZZ=ON -DQUARNEL_WITH_GUI=OFF \
	  -DQUARNEL_WITH_TESTS=OFF -DQUARNEL_WITH_BENCH=OFF -DQUARNEL_INDEX_BATCH_ENTRIES=4 >/dev/null
	@cmake --build $(FUZZ_BUILD) -j$(JOBS) --target verdata_fuzz quarnel-sample

$(FUZZ_BUILD)/corpus: | fuzz-build
	@$(FUZZ_BUILD)/tools/sample/quarnel-sample $(FUZZ_BUILD)/seed
	@mkdir -p $@ && cp $(FUZZ_BUILD)/seed/verdata.mul $@/sample.mul

fuzz: fuzz-build $(FUZZ_BUILD)/corpus
	@$(FUZZ_BUILD)/tests/fuzz/verdata_fuzz -max_total_time=$(FUZZ_SECONDS) $(FUZZ_FLAGS) $(FUZZ_BUILD)/corpus

fuzz-smoke: fuzz-build $(FUZZ_BUILD)/corpus
	@$(FUZZ_BUILD)/tests/fuzz/verdata_fuzz -max_total_time=$(SMOKE_SECONDS) $(FUZZ_FLAGS) \
	  -print_final_stats=0 $(FUZZ_BUILD)/corpus 2>&1 | tail -n 3

clean:
	@rm -rf $(BUILD) $(FUZZ_BUILD)
