# The two everyday commands: `make run [FILE=path]` and `make test`.
BUILD ?= build
JOBS ?= 2

.PHONY: setup configure build run test bench install package clean

setup:
	@scripts/setup

$(BUILD)/build.ninja: | setup
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: $(BUILD)/build.ninja

build: setup configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/tavlo $(FILE)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: setup
	cmake -S . -B $(BUILD)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVLO_BUILD_TESTS=OFF -DTAVLO_BUILD_BENCH=ON
	cmake --build $(BUILD)-bench -j $(JOBS)

# Installs the program, its menu entry and icon under PREFIX (default /usr/local).
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package in $(BUILD)-package/, built for /usr.
package: setup
	cmake -S . -B $(BUILD)-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DTAVLO_BUILD_TESTS=OFF
	cmake --build $(BUILD)-package -j $(JOBS)
	cd $(BUILD)-package && cpack
	@ls $(BUILD)-package/*.deb

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-package
