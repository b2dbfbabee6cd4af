# The two set-up commands: `make run` and `make test`. Both install what is missing first.
RELEASE := build/release
# The suite's second run is built by clang: it builds it in half GCC's time, and its
# UndefinedBehaviorSanitizer also catches a pointer moved outside its array.
SANITIZE := build/sanitize-clang
SANITIZER_PACKAGES := clang libclang-rt-dev
CONFIGURE := cmake -G Ninja -DVELMORA_WERROR=ON
TEST_ENV := QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
# Suites run as many at a time as there are cores; those that measure time run alone.
JOBS := $(shell nproc)

.PHONY: run test tsan check bench bench-quick package pictures fuzz build configure deps sanitizer-deps \
  clean

# `make run FILE=examples/was-or-were.gift` plays a teacher's tests instead of Velmora's own. It
# builds the program alone: nothing of the test suite stands between a newcomer and a window.
run: configure
	cmake --build $(RELEASE) --target velmora
	$(RELEASE)/src/velmora $(FILE)

# The release build's suite. `make test` runs it, then the same suite built with sanitizers.
RELEASE_SUITE = cd $(RELEASE) && $(TEST_ENV) ctest --output-on-failure -j$(JOBS)
check: build
	$(RELEASE_SUITE)

# The sanitizers' packages come with the others, so that one apt-get line installs them all. The
# sanitized build runs beside the release suite at the lowest priority: it takes only the
# processor time that the suite leaves, so the suites that measure time still measure
# themselves. Its output is shown if it fails.
test: sanitizer-deps build
	@[ -f $(SANITIZE)/build.ninja ] || CC=clang CXX=clang++ $(CONFIGURE) -S . -B $(SANITIZE) \
	  -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON
	@echo "The sanitized build runs beside the suite; its output goes to $(SANITIZE)/build.log."
	@nice -n 19 cmake --build $(SANITIZE) >$(SANITIZE)/build.log 2>&1 & builder=$$!; \
	  ( $(RELEASE_SUITE) ); suite=$$?; \
	  wait $$builder || { cat $(SANITIZE)/build.log; exit 1; }; exit $$suite
	cd $(SANITIZE) && $(TEST_ENV) ASAN_OPTIONS=detect_leaks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j$(JOBS)

# The suites where the sound card's thread, the voice's and the GUI's run together, built and run
# under ThreadSanitizer in a folder of their own.
TSAN := build/tsan
TSAN_SUITES := tst_mixer tst_speakerrenderer tst_speakeroutput tst_emulatedspeaker tst_speechstream \
  tst_espeakvoice tst_readaloud
tsan: deps
	@[ -f $(TSAN)/build.ninja ] || $(CONFIGURE) -S . -B $(TSAN) -DCMAKE_BUILD_TYPE=Debug -DVELMORA_TSAN=ON
	cmake --build $(TSAN) --target $(TSAN_SUITES)
	cd $(TSAN) && $(TEST_ENV) TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$(CURDIR)/tests/tsan.supp" \
	  ctest --output-on-failure -R '^($(subst $(eval) ,|,$(TSAN_SUITES)))$$'

# Benchmarks against a minimal Qt program, on a virtual display when there is no real one. Each
# run's table is kept in bench/results; a missed target fails the run. bench-quick leaves out
# the test suite from a clean clone.
BENCH := $(if $(DISPLAY),,xvfb-run -a -s "-screen 0 1024x768x24") $(RELEASE)/bench/bench_run

BENCH_PROGRAMS := bench_run bench_probe bench_baseline

bench: build
	@tools/install-deps xvfb
	cmake --build $(RELEASE) --target $(BENCH_PROGRAMS)
	$(BENCH)

bench-quick: build
	@tools/install-deps xvfb
	cmake --build $(RELEASE) --target $(BENCH_PROGRAMS)
	$(BENCH) --no-suite

# A Debian package of the release build, for `apt-get install ./build/release/velmora_*.deb`.
# dpkg-shlibdeps reads the libraries it needs off the program; CPack finds the program with file.
package: build
	@tools/install-deps dpkg-dev file
	cd $(RELEASE) && cpack

# The README's two pictures in docs/, taken anew on a virtual display with the shared
# screenshot tool beside this repository.
pictures: build
	@tools/install-deps imagemagick optipng
	tools/readme-pictures ../shared/tools/xshot $(RELEASE)/src/velmora docs

# The fuzz targets of the readers of teachers' files: GIFT, Moodle XML (through the choice
# between the two as well) and the cloze text inside Moodle XML. Each is built by clang with
# libFuzzer and the sanitizers from the readers' own sources alone (no Qt, libxml2 linked), and
# they run five minutes in all from the examples, the seeds and every input that ever failed. A
# crash, a leak, a hang of over a second on one input or running out of memory fails the run,
# and the input is kept in fuzz/regressions, named for its target; make test reads every one of
# them back through each target.
FUZZ := build/fuzz
FUZZED := $(addprefix src/questions/,$(shell grep -v '^\#' src/questions/readers.txt))
LIBXML2 = $(shell xml2-config --cflags --libs)

# $(call fuzz-run,TARGET,SECONDS,DICTIONARY)
define fuzz-run
	@mkdir -p $(FUZZ)/corpus/$(1)
	clang++ -std=c++20 -g -O1 -Wall -Wextra -Wpedantic -Werror -Isrc \
	  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
	  fuzz/$(1).cpp $(FUZZED) $(LIBXML2) -o $(FUZZ)/$(1)
	$(FUZZ)/$(1) -max_total_time=$(2) -timeout=1 -rss_limit_mb=2048 -dict=fuzz/$(3) \
	  -artifact_prefix=fuzz/regressions/$(1)- -print_final_stats=1 \
	  $(FUZZ)/corpus/$(1) fuzz/seeds fuzz/regressions examples
endef

fuzz:
	@tools/install-deps $(SANITIZER_PACKAGES)
	@mkdir -p fuzz/regressions
	$(call fuzz-run,gift_reader,120,gift.dict)
	$(call fuzz-run,moodle_xml,120,moodle-xml.dict)
	$(call fuzz-run,cloze,60,cloze.dict)

build: configure
	cmake --build $(RELEASE)

configure: deps
	@[ -f $(RELEASE)/build.ninja ] || $(CONFIGURE) -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release

deps:
	@tools/install-deps

sanitizer-deps:
	@tools/install-deps $(SANITIZER_PACKAGES)

clean:
	rm -rf build
