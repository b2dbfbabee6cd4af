# The two set-up commands: `make run` and `make test`. Both install what is missing first.
RELEASE := build/release
SANITIZE := build/sanitize
CONFIGURE := cmake -G Ninja -DVELMORA_WERROR=ON
TEST_ENV := QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy

.PHONY: run test bench bench-quick package pictures fuzz build deps clean

# `make run FILE=examples/was-or-were.gift` plays a teacher's tests instead of Velmora's own.
run: build
	$(RELEASE)/src/velmora $(FILE)

test: build
	cd $(RELEASE) && $(TEST_ENV) ctest --output-on-failure
	@[ -f $(SANITIZE)/build.ninja ] || $(CONFIGURE) -S . -B $(SANITIZE) -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON
	cmake --build $(SANITIZE)
	cd $(SANITIZE) && $(TEST_ENV) ASAN_OPTIONS=detect_leaks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure

# Benchmarks against a minimal Qt program, on a virtual display when there is no real one. Each
# run's table is kept in bench/results; a missed target fails the run. bench-quick leaves out
# the test suite from a clean clone.
BENCH := $(if $(DISPLAY),,xvfb-run -a -s "-screen 0 1024x768x24") $(RELEASE)/bench/bench_run

bench: build
	@tools/install-deps xvfb
	$(BENCH)

bench-quick: build
	@tools/install-deps xvfb
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

# The fuzz target of the reader of teachers' files, built by clang with libFuzzer and the
# sanitizers from the reader's own sources and libxml2 alone (no Qt). It runs five minutes from
# the examples, the seeds and every input that ever failed; a crash, a leak, a hang of over a
# second on one input or running out of memory fails the run, and the input is kept in
# fuzz/regressions, which make test reads back.
FUZZ := build/fuzz
GIFT_READER := $(addprefix src/questions/,GiftReader.cpp GiftBlocks.cpp GiftQuestion.cpp \
  GiftText.cpp HtmlText.cpp TeacherQuestion.cpp TeacherTests.cpp TextEncoding.cpp TextLines.cpp)
LIBXML2 = $(shell xml2-config --cflags --libs)

fuzz:
	@tools/install-deps clang libclang-rt-dev
	@mkdir -p $(FUZZ)/corpus fuzz/regressions
	clang++ -std=c++20 -g -O1 -Wall -Wextra -Wpedantic -Werror -Isrc \
	  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
	  fuzz/gift_reader.cpp $(GIFT_READER) $(LIBXML2) -o $(FUZZ)/gift_reader
	$(FUZZ)/gift_reader -max_total_time=300 -timeout=1 -rss_limit_mb=2048 -dict=fuzz/gift.dict \
	  -artifact_prefix=fuzz/regressions/ -print_final_stats=1 \
	  $(FUZZ)/corpus fuzz/seeds fuzz/regressions examples

build: deps
	@[ -f $(RELEASE)/build.ninja ] || $(CONFIGURE) -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(RELEASE)

deps:
	@tools/install-deps

clean:
	rm -rf build
