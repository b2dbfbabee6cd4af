# The two set-up commands: `make run` and `make test`. Both install what is missing first.
RELEASE := build/release
SANITIZE := build/sanitize
CONFIGURE := cmake -G Ninja -DVELMORA_WERROR=ON
TEST_ENV := QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy

.PHONY: run test build deps clean

run: build
	$(RELEASE)/src/velmora

test: build
	cd $(RELEASE) && $(TEST_ENV) ctest --output-on-failure
	@[ -f $(SANITIZE)/build.ninja ] || $(CONFIGURE) -S . -B $(SANITIZE) -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON
	cmake --build $(SANITIZE)
	cd $(SANITIZE) && $(TEST_ENV) ASAN_OPTIONS=detect_leaks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure

build: deps
	@[ -f $(RELEASE)/build.ninja ] || $(CONFIGURE) -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(RELEASE)

deps:
	@tools/install-deps

clean:
	rm -rf build
