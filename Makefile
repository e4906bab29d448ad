# Two commands for a fresh Debian/Ubuntu machine: `make run` and `make test`.
# Both install what is missing, configure and build first.

PACKAGES := qt6-base-dev qt6-svg-dev qt6-translations-l10n libgtest-dev cmake g++ \
            fonts-liberation2 xvfb xauth xdotool imagemagick clang libclang-rt-14-dev libboost-graph-dev
BUILD ?= build
BUILD_ASAN ?= build-asan
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test test-asan bench build deps

run: build
	$(BUILD)/src/ui/quorvalent

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# Timings of every command on large graphs (not part of the tests).
bench: build
	$(BUILD)/bench/quorvalent-bench

# The same suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=Debug -DQUORVALENT_SANITIZE=ON
	cmake --build $(BUILD_ASAN) -j$(JOBS)
	cd $(BUILD_ASAN) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j$(JOBS)

build: deps
	cmake -S . -B $(BUILD)
	cmake --build $(BUILD) -j$(JOBS)

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
