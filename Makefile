.PHONY: all build test run check-run dist bench screenshots clean

all: build

build:
	bash scripts/setup.sh
	bash scripts/build.sh

test:
	bash scripts/test.sh

run:
	bash scripts/run.sh

# Not part of test: make run without a display, seen through a web browser.
check-run:
	bash scripts/check-run.sh

dist:
	bash scripts/dist.sh

bench:
	bash scripts/bench.sh $(BENCH_ARGS)

screenshots:
	bash scripts/screenshots.sh

clean:
	rm -rf build
