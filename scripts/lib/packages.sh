# Sourced by the scripts in scripts/: the Debian packages the build needs, and their installation.

# What every build needs: compiler, build tools, Qt 6, SQLite, pugixml, the test and benchmark libraries,
# and a font so that offscreen Qt draws text on a bare machine.
KV380_BUILD_PACKAGES=(g++ cmake ninja-build pkg-config
                      qt6-base-dev qt6-svg-dev qt6-qpa-plugins
                      libsqlite3-dev libpugixml-dev
                      libgtest-dev libgmock-dev libbenchmark-dev
                      fonts-dejavu-core)
# What the fuzz targets need besides: clang and its libFuzzer runtime.
KV380_FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# What scripts/bench needs besides: python3 reads the benchmarks' JSON results into one table.
KV380_BENCH_PACKAGES=(python3)

# kv380_install_packages CALLER PACKAGE...: installs the packages that are missing (as root, with apt-get).
kv380_install_packages() {
    local caller=$1
    shift
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    ((${#missing[@]})) || return 0
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "$caller: these packages are missing and installing them needs root: ${missing[*]}" >&2
        return 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
