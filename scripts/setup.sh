#!/usr/bin/env bash
# Installs, from the distribution's packages, what building and playing need, and
# with --tests also what the tests need. Does nothing, quietly, when all is there.
set -euo pipefail

packages=(build-essential cmake pkg-config
          liballegro5-dev liballegro-image5-dev liballegro-ttf5-dev
          liballegro-audio5-dev liballegro-acodec5-dev)
if [[ "${1:-}" == "--tests" ]]; then
    packages+=(libgtest-dev xvfb xauth)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ "$(id -u)" -ne 0 ]] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" > /dev/null
