# Two commands for a fresh Debian/Ubuntu machine: `make run` and `make test`.
# Both install what is missing, configure and build first.

# Debian packages each command needs: building and running; then the tests
# (also the benchmark's Boost, the format check, and the tools that check the
# installed files and the Debian package); then fuzzing, which builds the
# core alone.
PACKAGES_RUN := cmake g++ qt6-base-dev qt6-translations-l10n qt6-l10n-tools fonts-liberation2 nlohmann-json3-dev \
                libgraphviz-dev pkgconf libpugixml-dev
PACKAGES_TEST := $(PACKAGES_RUN) libgtest-dev libboost-graph-dev xvfb xauth xdotool imagemagick \
                 desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl \
                 dpkg-dev file man-db clang-format jq zsh
PACKAGES_FUZZ := cmake clang libclang-rt-dev libgraphviz-dev pkgconf libpugixml-dev nlohmann-json3-dev
PACKAGES = $(PACKAGES_TEST)
PREFIX ?= /usr/local
BUILD ?= build
BUILD_ASAN ?= build-asan
BUILD_FUZZ ?= build-fuzz
FUZZ_SECONDS ?= 60
MONKEY_SECONDS ?= 600
FUZZ_CXX ?= clang++
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

CLANG_FORMAT ?= clang-format
# The C++ sources that .clang-format governs.
SOURCES_CXX = $(shell find src tests bench fuzz -name '*.cpp' -o -name '*.h')

.PHONY: run test test-asan fuzz monkey bench build deps programs install deb format format-check

run: programs
	$(BUILD)/src/ui/quorvalent

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# Timings of every command on large graphs (not part of the tests);
# `make bench GRAND=1` adds 100,000 and 1,000,000 vertices (a quarter of an
# hour or more).
bench: build
	$(BUILD)/bench/quorvalent-bench $(if $(GRAND),--grand)

# The same suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=Debug -DQUORVALENT_SANITIZE=ON -DQUORVALENT_STRICT=ON
	cmake --build $(BUILD_ASAN) -j$(JOBS)
	cd $(BUILD_ASAN) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j$(JOBS)

# Fuzzes the file reader, and everything that runs on what it loaded, for
# a fifth of FUZZ_SECONDS on one core, then each exchange format's reader
# (DOT, GraphML, JSON, CSV) for another fifth. New inputs go to $(BUILD_FUZZ)/corpus (the
# committed seeds in fuzz/graines are only read), findings to
# $(BUILD_FUZZ)/trouvailles. Without clang (FUZZ_CXX) and its libFuzzer
# runtime it says so and succeeds.
fuzz: PACKAGES = $(PACKAGES_FUZZ)
fuzz: deps
	@sonde=$$(mktemp -d); \
	printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }\n' \
	  > $$sonde/sonde.cpp; \
	if ! $(FUZZ_CXX) -fsanitize=fuzzer $$sonde/sonde.cpp -o $$sonde/sonde >/dev/null 2>&1; then \
	  rm -rf $$sonde; echo "make fuzz: $(FUZZ_CXX) with libFuzzer not found, fuzzing skipped."; exit 0; \
	fi; \
	rm -rf $$sonde; \
	CXX=$(FUZZ_CXX) cmake -S . -B $(BUILD_FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVALENT_FUZZ=ON >/dev/null && \
	cmake --build $(BUILD_FUZZ) -j$(JOBS) && \
	mkdir -p $(BUILD_FUZZ)/corpus $(BUILD_FUZZ)/trouvailles && \
	$(BUILD_FUZZ)/fuzz/fuzz_charger $(BUILD_FUZZ)/corpus fuzz/graines \
	  -max_total_time=$$(( $(FUZZ_SECONDS) / 5 + 1 )) -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
	  -artifact_prefix=$(BUILD_FUZZ)/trouvailles/ && \
	mkdir -p $(BUILD_FUZZ)/corpus-dot && \
	$(BUILD_FUZZ)/fuzz/fuzz_lire_dot $(BUILD_FUZZ)/corpus-dot fuzz/graines-dot \
	  -max_total_time=$$(( $(FUZZ_SECONDS) / 5 + 1 )) -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
	  -artifact_prefix=$(BUILD_FUZZ)/trouvailles/dot- && \
	for format in graphml json csv; do \
	  mkdir -p $(BUILD_FUZZ)/corpus-$$format && \
	  $(BUILD_FUZZ)/fuzz/fuzz_$$format $(BUILD_FUZZ)/corpus-$$format fuzz/graines-echange/$$format \
	    -max_total_time=$$(( $(FUZZ_SECONDS) / 5 + 1 )) -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
	    -artifact_prefix=$(BUILD_FUZZ)/trouvailles/$$format- || exit 1; \
	done

# Randomized desktop sessions (offscreen) for MONKEY_SECONDS, from
# MONKEY_SEED or today's date; a failure prints the seed and the number of
# actions that replay it (README, "Randomized desktop sessions").
monkey: deps
	cmake -S . -B $(BUILD) -DQUORVALENT_TESTS=ON -DQUORVALENT_STRICT=ON
	cmake --build $(BUILD) -j$(JOBS) --target TestSingeBureau
	QT_QPA_PLATFORM=offscreen MONKEY_SECONDS=$(MONKEY_SECONDS) $(BUILD)/tests/TestSingeBureau

# Rewrites every C++ source in the committed style; format-check only
# fails, naming each line that differs.
format:
	$(CLANG_FORMAT) -i $(SOURCES_CXX)

format-check:
	$(CLANG_FORMAT) --dry-run --Werror $(SOURCES_CXX)

# Strict like the CI: a warning, a shadowed name included, fails the build.
# `run`, `test` and `bench` share this one build tree.
build: deps
	cmake -S . -B $(BUILD) -DQUORVALENT_TESTS=ON -DQUORVALENT_STRICT=ON
	cmake --build $(BUILD) -j$(JOBS)

# The two programs alone, without the tests' libraries: `make run` and
# `make install` install no more than building and running need.
run install: PACKAGES = $(PACKAGES_RUN)
programs: deps
	cmake -S . -B $(BUILD) -DQUORVALENT_TESTS=OFF
	cmake --build $(BUILD) -j$(JOBS) --target quorvalent quorvalent-cli

# `make install PREFIX=/usr DESTDIR=/tmp/racine` stages a copy.
install: programs
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# $(BUILD)/quorvalent_<version>_<arch>.deb; dpkg-shlibdeps needs dpkg-dev.
deb: PACKAGES = $(PACKAGES_RUN) dpkg-dev file
deb: programs
	cd $(BUILD) && cpack -G DEB

deps:
	@command -v dpkg-query >/dev/null || exit 0; \
	missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" = 0 ]; then sudo=""; else sudo="sudo"; fi; \
	  $$sudo apt-get update && \
	  $$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi
