# make run  - installs what is missing, builds the program, and starts it in a working copy of the
#             sample data folder demo/ (made when missing, in demo-work/, which git ignores), so
#             that using it never changes the tracked files; delete demo-work/ to start afresh
# make test - installs what is missing, builds everything, and runs every test (the desktop tests
#             under Xvfb)
BUILD ?= build
JOBS ?= $(shell nproc)
RUN_FOLDER ?= demo-work

.PHONY: all deps configure build program test run clean

all: build

deps:
	scripts/install-deps

# Warnings are errors in the test build only.
WERROR ?= OFF
test: WERROR = ON

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRAILBOOK_WARNINGS_AS_ERRORS=$(WERROR)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The program and its help file alone, without the tests and benchmarks.
program: configure
	cmake --build $(BUILD) -j $(JOBS) --target trailbook trailbook_help

test: build
	scripts/run-tests $(BUILD)

run: program
	@if [ ! -d "$(RUN_FOLDER)" ]; then \
	  rm -rf "$(RUN_FOLDER).new" && cp -R demo "$(RUN_FOLDER).new" && mv "$(RUN_FOLDER).new" "$(RUN_FOLDER)"; \
	  echo "Made $(RUN_FOLDER)/, a working copy of demo/"; \
	fi
	cd "$(RUN_FOLDER)" && "$(abspath $(BUILD))/app/trailbook"

clean:
	rm -rf $(BUILD)
