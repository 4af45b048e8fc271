# Thin front door over CMake: 'make run' builds and starts Qivnotes under Wine,
# 'make test' builds and passes every test. Both install what is missing first.
.PHONY: all run test bench clean
all:
	scripts/build.sh
run:
	scripts/run.sh
test:
	scripts/test.sh
bench:
	scripts/bench.sh
clean:
	rm -rf build
