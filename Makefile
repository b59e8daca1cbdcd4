BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: all deps configure build run test bench sanitize install uninstall desktop-caches package clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/bin/tagloom

test: build
	cd $(BUILD) && ctest -j$(JOBS) --output-on-failure

# Installs into $(PREFIX) (lib/tagloom, bin, share); DESTDIR stages it.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)
	@$(MAKE) --no-print-directory desktop-caches

# The desktop's caches of menu entries, MIME types and icons (where the
# tools are there; a package manager runs them itself).
desktop-caches:
	-@command -v update-mime-database >/dev/null && update-mime-database $(DESTDIR)$(PREFIX)/share/mime || true
	-@command -v update-desktop-database >/dev/null && update-desktop-database -q $(DESTDIR)$(PREFIX)/share/applications || true
	-@command -v gtk-update-icon-cache >/dev/null && gtk-update-icon-cache -q -t $(DESTDIR)$(PREFIX)/share/icons/hicolor || true

# Removes what the last install put there.
uninstall:
	@test -f $(BUILD)/install_manifest.txt || { echo "nothing installed from $(BUILD)"; exit 1; }
	xargs -d '\n' rm -f < $(BUILD)/install_manifest.txt
	-find $(DESTDIR)$(PREFIX)/lib/tagloom -depth -type d -empty -delete
	@$(MAKE) --no-print-directory desktop-caches

# A Debian package in $(BUILD): tagloom_<version>_<arch>.deb
package: build
	cd $(BUILD) && cpack -G DEB

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen} $$b; done

# Every suite that needs no window (the engines and their fuzz tests among
# them) and tagloom-tools under AddressSanitizer and UndefinedBehaviorSanitizer;
# they need the core library only.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j$(JOBS) --target core_tests tagloom-tools
	@for t in $(SANITIZE_BUILD)/bin/test_*; do \
	  case $$t in *_ui) continue ;; esac; \
	  echo "== $$t"; \
	  TAGLOOM_FUZZ_ROUNDS=3000 UBSAN_OPTIONS=print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan_libcurl.supp $$t --gtest_brief=1 || exit 1; \
	done
	@for f in tests/data/analysis/*/input; do $(SANITIZE_BUILD)/bin/tagloom-tools validate $$f >/dev/null || test $$? -eq 1; done
	@$(SANITIZE_BUILD)/bin/tagloom-tools rtf2html tests/data/rtf/wizard_notice/input >/dev/null
	@! $(SANITIZE_BUILD)/bin/tagloom-tools compress /nonexistent $(SANITIZE_BUILD)/out.htm 2>/dev/null

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
