# The README's commands. `make test` and `make demo` each do all the set-up
# first (scripts/bootstrap), so they work on a fresh Debian 12 machine.
# build-NAME and test-NAME are pattern rules and so not listed as .PHONY (make
# looks for no implicit rule for a phony target).
PRESETS_TESTED := native native-asan native-tsan windows

.PHONY: all bootstrap build test demo bench clean

all: build

bootstrap:
	@[ -n "$(SKIP_BOOTSTRAP)" ] || scripts/bootstrap

build-%: bootstrap
	@cmake --preset $* >/dev/null
	@cmake --build --preset $*

build: build-native build-windows

test-%: build-%
	@ctest --preset $*

# Every test of both targets; non-zero exit on any failure.
test: bootstrap
	@status=0; for preset in $(PRESETS_TESTED); do \
	  $(MAKE) --no-print-directory SKIP_BOOTSTRAP=1 test-$$preset || status=1; \
	done; exit $$status

demo: build-windows
	@scripts/demo build/windows

# Benchmarks; figures are printed, nothing is gated. The renderer and the skin
# archive are also timed in the Windows build under Wine.
WINE_RUN := scripts/wine-run --prefix build/windows/wineprefix
bench: build-native build-windows
	@build/native/bin/analytics-bench
	@build/native/bin/render-bench
	@build/native/bin/skin-archive-bench build/native/generated/skin.7z build/native/generated/test-skin.7z
	@build/native/bin/download-bench
	@echo "Under Wine:"
	@$(WINE_RUN) build/windows/bin/render-bench.exe
	@$(WINE_RUN) build/windows/bin/skin-archive-bench.exe

clean:
	rm -rf build
