# The two everyday commands: `make run` and `make test`.
.PHONY: run test deps build asan coverage clean

BUILD_DIR := build/default

deps:
	./scripts/install-deps

build: deps
	cmake --preset default
	cmake --build --preset default

run: build
	./$(BUILD_DIR)/bin/tabloom

test: build
	ctest --preset default

asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

coverage: deps
	./scripts/coverage

clean:
	rm -rf build
