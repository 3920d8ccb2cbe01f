#!/usr/bin/env bash
# Builds the Debian package of the editor (build-deb/tessavel_VERSION_ARCH.deb) and checks its
# desktop entry and AppStream file. Install it with: sudo apt install ./build-deb/tessavel_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
# With what the package build itself uses: dpkg-shlibdeps, file, and the two validators.
bash scripts/install-deps.sh dpkg-dev file desktop-file-utils appstream
desktop-file-validate desktop/tessavel.desktop
appstreamcli validate --no-net desktop/tessavel.metainfo.xml
cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DTESSAVEL_TESTS=OFF -DTESSAVEL_BENCHMARKS=OFF
cmake --build build-deb -j"$(nproc)"
(cd build-deb && cpack -G DEB)
ls -l build-deb/*.deb
