#!/usr/bin/env bash
# Builds the package with CPack, checks its control data and contents, unpacks it
# with dpkg -x and runs the unpacked programs and module in a throw-away home.
set -euo pipefail
build=$1 module_tests=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 || { cat "$scratch/cpack.log"; fail "cpack"; }
debs=("$scratch"/out/nimbra_*_amd64.deb)
[[ -f ${debs[0]} ]] || fail "no nimbra_<version>_amd64.deb in $(ls "$scratch/out")"
deb=${debs[0]}

# Runtime dependencies only: libraries found by dpkg-shlibdeps, nothing the build or tests use.
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libnautilus-extension4 libdeflate0 libsqlite3-0 shared-mime-info; do
  [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
[[ $depends != *-dev* && $depends != *gtest* && $depends != *lintian* ]] || fail "Depends has build or test packages: $depends"

root=$scratch/root
dpkg -x "$deb" "$root"
extensiondir=$(pkg-config --variable=extensiondir libnautilus-extension-4)
module=$root$extensiondir/libnimbra-nautilus.so
for file in "$module" "$root"/usr/bin/{nimbra,nimbra-menu,nimbra-defaults,nimbra-zip} \
            "$root"/usr/share/man/man1/{nimbra,nimbra-menu,nimbra-defaults,nimbra-zip}.1.gz \
            "$root"/usr/share/applications/ai.corvane.nimbra.desktop \
            "$root"/usr/share/metainfo/ai.corvane.nimbra.metainfo.xml \
            "$root"/usr/share/icons/hicolor/{scalable/apps/ai.corvane.nimbra.svg,48x48/apps/ai.corvane.nimbra.png} \
            "$root"/usr/share/doc/nimbra/{copyright,changelog.gz} \
            "$root"/usr/share/nimbra/extension/Templates/blank.{docx,xlsx,pptx,pages,numbers,key}; do
  [[ -s $file ]] || fail "the package lacks ${file#"$root"}"
done
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/ai.corvane.nimbra.metainfo.xml" >"$scratch/appstream.log" 2>&1 \
  || { cat "$scratch/appstream.log"; fail "the AppStream metadata does not validate"; }

# The unpacked programs, found on PATH as a desktop starts them, in a home of their
# own: menus named from the installed strings, a pick carried out.
home=$scratch/home
mkdir -p "$home/work"
run() { env -i HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" PATH="$root/usr/bin:/usr/bin:/bin" LANG=C.UTF-8 "$@"; }
menu=$(run nimbra-menu container --target "$home/work")
[[ $menu == "New ▸"* ]] || fail "the installed nimbra-menu printed: $menu"
run nimbra-menu container --target "$home/work" --pick 0 >/dev/null || fail "picking New Folder"
[[ -d "$home/work/New Folder" ]] || fail "no New Folder after the pick"

# The unpacked module loaded as Files loads it: menus, a new folder, a zip made by
# the unpacked nimbra-zip. GLib registers a module's types once a process: one test a run.
for test in TheFolderBackgroundOffersNewAndEachPickRunsItsOwnItem SelectedItemsGetSendToAndFoldersOpenFolderWith; do
  NIMBRA_NAUTILUS_MODULE=$module G_DEBUG=fatal-warnings,fatal-criticals \
    "$module_tests" --gtest_filter="NautilusModuleTest.$test" >"$scratch/module.log" 2>&1 \
    || { cat "$scratch/module.log"; fail "the unpacked module"; }
done

lintian --fail-on error "$deb" >"$scratch/lintian.log" 2>&1 || { cat "$scratch/lintian.log"; fail "lintian reports errors"; }
cat "$scratch/lintian.log"
echo "ok: $(basename "$deb")"
