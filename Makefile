# SPDX-FileCopyrightText: 2026 The Clipforger developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Two commands set everything up: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CTEST_ARGS ?=
CMAKE_FLAGS ?=

.PHONY: run test build package lint-package deps deps-test deps-screenshots deps-release configure format check-format \
	check-licences bench screenshots clean

run: deps build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "No graphical display (DISPLAY or WAYLAND_DISPLAY is unset): cannot open Clipforger's window."; \
		exit 1; \
	fi
	$(BUILD_DIR)/bin/clipforger

test: deps-test build
	cd $(BUILD_DIR) && ctest --output-on-failure --timeout 600 -j $(JOBS) $(CTEST_ARGS)

# clipforger_<version>_<arch>.deb in the build folder.
package: deps build
	cd $(BUILD_DIR) && cpack -G DEB

# The package as Debian's lintian sees it: an error or a warning fails, informational tags show.
# Then every executable in it must be hardened as hardening-check asks.
lint-package: deps-release package
	version=$$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' $(BUILD_DIR)/CMakeCache.txt) && \
	deb=$(BUILD_DIR)/clipforger_$${version}_$$(dpkg --print-architecture).deb && \
	lintian --fail-on error,warning --display-info "$$deb" && \
	scripts/check-hardening.sh "$$deb"

deps:
	@scripts/install-deps.sh run

deps-test:
	@scripts/install-deps.sh test

deps-screenshots:
	@scripts/install-deps.sh screenshots

deps-release:
	@scripts/install-deps.sh release

configure:
	@[ -f $(BUILD_DIR)/CMakeCache.txt ] || cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

check-format:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# Every file states its copyright and licence, in its head or in .reuse/dep5.
check-licences: deps-release
	reuse lint

bench: deps-test build
	bench/run-all.sh $(BUILD_DIR)

screenshots: deps-screenshots build
	scripts/take-screenshots.sh $(BUILD_DIR) docs

clean:
	rm -rf $(BUILD_DIR)
