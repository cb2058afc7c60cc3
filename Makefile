.PHONY: all build test run bench screenshots clean

all: build

build:
	bash scripts/setup.sh
	bash scripts/build.sh

test:
	bash scripts/test.sh

run:
	bash scripts/run.sh

bench:
	bash scripts/bench.sh $(BENCH_ARGS)

screenshots:
	bash scripts/screenshots.sh

clean:
	rm -rf build
