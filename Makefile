# One-command set-up, build, run and test on Debian 12.
BUILD     ?= build
ASAN      ?= build-asan
JOBS      ?= $(shell nproc)
PACKAGES  := cmake g++ make qt6-base-dev libqt6sql6-sqlite fonts-liberation xvfb xauth xdotool \
             sqlite3 clang libclang-rt-14-dev x11-apps x11-utils imagemagick libgif-dev libxcb1-dev openbox \
             at-spi2-core python3-pyatspi dbus desktop-file-utils appstream lintian dpkg-dev fakeroot file \
             qt6-l10n-tools qt6-tools-dev qt6-translations-l10n fonts-noto-cjk libavahi-client-dev avahi-daemon avahi-utils \
             orca speech-dispatcher espeak-ng python3-gi gir1.2-atspi-2.0 dbus-x11 iproute2 lld \
             libjpeg62-turbo-dev
QUORVEL   := $(BUILD)/quorvel/quorvel
# The shipped translations (translations/quorvel_<language>.ts).
LANGUAGES := $(patsubst translations/quorvel_%.ts,%,$(wildcard translations/quorvel_*.ts))

.PHONY: all setup configure build run test bench tournament exactness screenshots fuzz test-asan package clean

all: build

# Install whatever Debian packages are missing; without root or sudo, say what to run.
# One dpkg-query for the whole list: one a package costs a second or more under load.
setup:
	@installed=" $$(dpkg-query -W -f='$${Package}:$${Status}\n' $(PACKAGES) 2>/dev/null | \
	    sed -n 's/:install ok installed$$//p' | tr '\n' ' ') "; \
	missing=""; for p in $(PACKAGES); do \
	    case "$$installed" in *" $$p "*) ;; *) missing="$$missing $$p" ;; esac; \
	done; \
	if [ -n "$$missing" ]; then \
	    if [ "$$(id -u)" = 0 ]; then SUDO=""; elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then SUDO="sudo"; \
	    else echo "Missing packages. Please run:"; echo "  sudo apt-get install -y$$missing"; exit 1; fi; \
	    echo "Installing:$$missing"; \
	    $$SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing; \
	fi

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: setup $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(QUORVEL)

# The suites wait on the clock far more than they compute: the end-to-end ones
# play in real time, and a run of `ctest -j2` kept the two cores about a third
# busy (some 340 processor seconds in 460 s). So CTest runs twice as many
# suites at once as there are cores. (Giving the suites that compute
# throughout two places each starved them: CTest seldom finds two places free
# at once and ran them one after another at the end.)
TEST_JOBS ?= $(shell echo $$(( $(JOBS) * 2 )))

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(TEST_JOBS) --timeout 600

# The Debian package build/quorvel_<version>_<arch>.deb, checked with lintian.
package: build
	cd $(BUILD) && cpack -G DEB
	lintian --display-info --tag-display-limit 0 --fail-on error $(BUILD)/quorvel_*.deb

bench: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tests/quorvel_bench

# The computer player against itself; HANDS per pairing, rule and hand option.
tournament: build
	$(BUILD)/tests/quorvel_tournament $${HANDS:-400}

# The hard level's Open Hand values against independent searches: 1,000
# seeded positions for every number of free squares and both rules (the quick
# suite tries a share of them). A row at eight or nine free squares takes
# longer than QtTest's five-minute watchdog allows, hence the longer limit.
exactness: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen QUORVEL_EXACTNESS=full QTEST_FUNCTION_TIMEOUT=36000000 \
	    tests/tst_computerengine hardIsExactUnderOpenHand

screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tests/quorvel_screenshots $(BUILD)/screenshots
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 $(BUILD)/tests/quorvel_screenshots $(BUILD)/screenshots/2x
	for l in $(LANGUAGES) en_XA; do \
	    QT_QPA_PLATFORM=offscreen $(BUILD)/tests/quorvel_screenshots $(BUILD)/screenshots/$$l $$l && \
	    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 $(BUILD)/tests/quorvel_screenshots $(BUILD)/screenshots/$$l/2x $$l || exit 1; \
	done
	@echo "Screenshots written to $(BUILD)/screenshots (double density in $(BUILD)/screenshots/2x; each language in $(BUILD)/screenshots/<language>)"

fuzz: setup
	cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DQUORVEL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-fuzz -j $(JOBS) --target fuzz_rtf fuzz_net
	mkdir -p build-fuzz/corpus && cp -n tests/fuzz/corpus/* build-fuzz/corpus/ 2>/dev/null || true
	mkdir -p build-fuzz/net-corpus && cp -n tests/fuzz/net-corpus/* build-fuzz/net-corpus/ 2>/dev/null || true
	build-fuzz/tests/fuzz_rtf -max_total_time=$${FUZZ_SECONDS:-120} -max_len=65536 build-fuzz/corpus
	build-fuzz/tests/fuzz_net -max_total_time=$${FUZZ_SECONDS:-120} -max_len=4096 build-fuzz/net-corpus

test-asan: setup
	cmake -S . -B $(ASAN) -DQUORVEL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --output-on-failure -j $(JOBS) --timeout 1200

clean:
	rm -rf $(BUILD) $(ASAN) build-fuzz
