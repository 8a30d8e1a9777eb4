# The two everyday commands: `make run [FILE=path]` and `make test`.
BUILD ?= build
JOBS ?= 2

FUZZ_SECONDS ?= 60
FUZZERS = line_buffer highlighter engine

.PHONY: setup configure build run test test-sanitize fuzz bench install package clean

setup:
	@scripts/setup

$(BUILD)/build.ninja: | setup
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: $(BUILD)/build.ninja

build: setup configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/tavlo $(FILE)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer: the first
# finding fails its test.
test-sanitize: setup
	cmake -S . -B $(BUILD)-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" -DTAVLO_SANITIZE=ON
	cmake --build $(BUILD)-sanitize -j $(JOBS)
	cd $(BUILD)-sanitize && \
	  ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

# Each libFuzzer program for FUZZ_SECONDS, grown corpus in $(BUILD)-fuzz/corpus. An input that
# fails is written into tests/fuzz/corpus/<target>/, which `make test` replays: commit it
# with the fix.
fuzz:
	@scripts/setup fuzz
	cmake -S . -B $(BUILD)-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTAVLO_BUILD_TESTS=OFF -DTAVLO_FUZZ=ON
	cmake --build $(BUILD)-fuzz --target fuzzers -j $(JOBS)
	@failed=; for target in $(FUZZERS); do \
	  mkdir -p $(BUILD)-fuzz/corpus/$$target; \
	  echo "== $$target, $(FUZZ_SECONDS) s"; \
	  $(BUILD)-fuzz/tests/fuzz/libfuzzer/fuzz_$$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=tests/fuzz/corpus/$$target/ $(BUILD)-fuzz/corpus/$$target tests/fuzz/corpus/$$target \
	    || failed="$$failed $$target"; \
	done; \
	if [ -n "$$failed" ]; then echo "fuzz: failing inputs kept in tests/fuzz/corpus for:$$failed"; exit 1; fi

bench: setup
	cmake -S . -B $(BUILD)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVLO_BUILD_TESTS=OFF -DTAVLO_BUILD_BENCH=ON
	cmake --build $(BUILD)-bench -j $(JOBS)

# Installs the program, its menu entry and icon under PREFIX (default /usr/local).
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package in $(BUILD)-package/, built for /usr.
package: setup
	cmake -S . -B $(BUILD)-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DTAVLO_BUILD_TESTS=OFF
	cmake --build $(BUILD)-package -j $(JOBS)
	cd $(BUILD)-package && cpack
	@ls $(BUILD)-package/*.deb

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-package $(BUILD)-sanitize $(BUILD)-fuzz
