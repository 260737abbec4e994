#!/usr/bin/env bash
# The version is set once, in project() of the top CMakeLists.txt; the sources read it from the
# header the build writes (QUORVAN_VERSION). A version number written into a source file drifts.
#
#   one_version.sh SOURCE_DIR
set -u
cd "$1" || exit 2
version=$(sed -nE 's/^project\(Quorvan VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
if [[ -z $version ]]; then
    echo "CMakeLists.txt: project() states no version" >&2
    exit 1
fi
pattern="Version [0-9]+\.[0-9]+|\"${version//./\\.}\""
if grep -rnE "$pattern" src apps --include='*.cpp' --include='*.h' --include='*.cxx' >&2; then
    echo "a version written by hand: use QUORVAN_VERSION from platform/version.h" >&2
    exit 1
fi
echo "version $version comes from project() alone"
