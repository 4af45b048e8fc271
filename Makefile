# Thin front door over CMake: 'make run' builds and starts Qivnotes under Wine,
# 'make test' builds and passes every test. Both install what is missing first.
# 'make fuzz SECONDS=N' runs every reader's fuzz mode for N seconds.
.PHONY: all run test bench fuzz clean
all:
	scripts/build.sh
run:
	scripts/run.sh
test:
	scripts/test.sh
bench:
	scripts/bench.sh
fuzz:
	scripts/fuzz.sh $(SECONDS)
clean:
	rm -rf build
