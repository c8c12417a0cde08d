# Cross build for 64-bit ARM (a Raspberry Pi's Debian 12) on a Debian 12 PC:
# Debian's aarch64 cross compiler, the arm64 libraries installed beside the
# PC's own through multiarch, Qt's build tools (moc, rcc, lrelease) from the
# PC's Qt, and every test program run through qemu's user-mode emulator.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64-static)

# Only arm64 libraries are linked; the host's Qt is looked up for its tools alone.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
# Qt looks for its *Tools packages (LinguistTools among them) beside HostInfo.
set(Qt6HostInfo_DIR ${QT_HOST_PATH_CMAKE_DIR}/Qt6HostInfo)
