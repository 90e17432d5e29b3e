# The set-up commands: `make demo`, `make test` and `make package`. All work on a fresh Debian 12 machine.
SHELL := /bin/bash
BUILD ?= build
JOBS ?= $(shell nproc)
PACOTES := g++ cmake ninja-build clang-format qt6-base-dev libqt6sql6-ibase libfbclient2 \
           firebird-dev firebird3.0-server-core firebird3.0-server firebird3.0-utils qt6-translations-l10n \
           fonts-dejavu-core dpkg-dev file lintian desktop-file-utils
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
DEMO_DIR := demo
DEMO_DB := $(DEMO_DIR)/amostra.fdb
DEMO_ANO := 2024

.PHONY: all deps build programas test package demo bench format format-check clean

all: build

# Installs the Debian packages that are missing (apt-get update only when something is).
deps:
	@faltam=$$(for p in $(PACOTES); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || echo $$p; done); \
	if [ -n "$$faltam" ]; then \
	  echo "Instalando pacotes: $$faltam"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$faltam; \
	else echo "Pacotes do sistema: todos instalados."; fi

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# What the demo runs: the two programs and the sample generator, without the tests and the benchmark.
programas: $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target TvEcontas TvEcontasLote gerar_amostra

test: deps build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The Debian package $(BUILD)/e-contas_<version>_amd64.deb.
package: deps build
	cmake --build $(BUILD) --target package

demo: deps programas
	@bash fixtures/demo.sh "$(BUILD)/bin" "$(DEMO_DIR)" "$(DEMO_DB)" "$(DEMO_ANO)"

bench: deps build
	@if [ -x $(BUILD)/bin/econtas_bench ]; then $(BUILD)/bin/econtas_bench $(BENCH_ARGS); \
	else echo "benchmark not built"; exit 1; fi

FONTES = find app common db econtas generation export criticas resumo windows lote fixtures tests bench \
	  -name '*.cpp' -o -name '*.h'

format:
	$(FONTES) | xargs clang-format -i

# Fails, naming the file and line, when a source differs from what `make format` would make of it.
format-check:
	$(FONTES) | xargs clang-format --dry-run -Werror

clean:
	rm -rf $(BUILD)
