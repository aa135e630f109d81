#!/usr/bin/env bash
# Builds the packages with CPack, checks their control data and contents, unpacks
# them with dpkg -x and runs the unpacked programs and modules in a throw-away home.
set -euo pipefail
build=$1 module_tests=$2 plugin_tests=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 || { cat "$scratch/cpack.log"; fail "cpack"; }
deb_of() {
  local debs=("$scratch"/out/"$1"_*_amd64.deb)
  [[ -f ${debs[0]} ]] || fail "no $1_<version>_amd64.deb in $(ls "$scratch/out")"
  echo "${debs[0]}"
}
nimbra=$(deb_of nimbra)

# Runtime dependencies only: libraries found by dpkg-shlibdeps, nothing the build or
# tests use, and no file manager: those come with the host packages.
depends=$(dpkg-deb -f "$nimbra" Depends)
for needed in libqt6widgets6 libdeflate0 libsqlite3-0 shared-mime-info; do
  [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
[[ $depends != *-dev* && $depends != *gtest* && $depends != *lintian* ]] || fail "Depends has build or test packages: $depends"
fields=$(dpkg-deb -f "$nimbra" Depends Recommends)
for fm in nautilus nemo caja thunar dolphin; do
  [[ $fields != *" $fm"* && $fields != "$fm"* ]] || fail "nimbra pulls in a file manager: $fields"
done

root=$scratch/root
dpkg -x "$nimbra" "$root"
[[ -z $(find "$root" -name 'libnimbra-*.so') ]] || fail "the nimbra package holds a module"
for file in "$root"/usr/bin/{nimbra,nimbra-menu,nimbra-defaults,nimbra-zip} \
            "$root"/usr/share/man/man1/{nimbra,nimbra-menu,nimbra-defaults,nimbra-zip}.1.gz \
            "$root"/usr/share/applications/ai.corvane.nimbra.desktop \
            "$root"/usr/share/metainfo/ai.corvane.nimbra.metainfo.xml \
            "$root"/usr/share/icons/hicolor/{scalable/apps/ai.corvane.nimbra.svg,48x48/apps/ai.corvane.nimbra.png} \
            "$root"/usr/share/doc/nimbra/{copyright,changelog.gz} \
            "$root"/usr/share/nimbra/extension/Templates/blank.{docx,xlsx,pptx,pages,numbers,key} \
            "$root"/usr/share/nimbra/extension/strings/{en,de,fr,es,it,pt_BR,nl,pl,ru,uk,tr,zh_CN,ja}.json; do
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

lint() {
  lintian --fail-on error,warning "$1" >"$scratch/lintian.log" 2>&1 || { cat "$scratch/lintian.log"; fail "lintian on $(basename "$1")"; }
  cat "$scratch/lintian.log"
}
lint "$nimbra"

# Each host package: its module alone, where its file manager loads it, needing
# nimbra of this version; the unpacked module loaded as its file manager loads it
# and picked, with the unpacked nimbra-zip. GLib registers a module's types once a
# process: one test a run.
version=$(dpkg-deb -f "$nimbra" Version)
for host in nautilus nemo caja thunar; do
  deb=$(deb_of "nimbra-$host")
  [[ $(dpkg-deb -f "$deb" Depends) == *"nimbra (= $version)"* ]] || fail "nimbra-$host does not depend on nimbra $version"
  [[ $(dpkg-deb -f "$deb" Enhances) == "$host"* ]] || fail "nimbra-$host does not enhance $host"
  modules=$(dpkg-deb -c "$deb" | grep -c '\.so$' || true)
  [[ $modules == 1 ]] || fail "nimbra-$host holds $modules modules"
  dpkg -x "$deb" "$root"
  module=$(find "$root" -name "libnimbra-$host.so")
  exported=$(nm -D --defined-only "$module" | awk '$3 !~ /^_(init|fini)$/ {print $3}' | sort | tr '\n' ' ')
  prefix=${host}_module
  [[ $host == thunar ]] && prefix=thunar_extension
  [[ $exported == "${prefix}_initialize ${prefix}_list_types ${prefix}_shutdown " ]] \
    || fail "libnimbra-$host.so exports more than its entry points: $exported"
  for test in TheFolderBackgroundOffersNewAndEachPickRunsItsOwnItem SelectedItemsGetSendToAndFoldersOpenFolderWith; do
    NIMBRA_MODULE=$module G_DEBUG=fatal-warnings,fatal-criticals \
      "$module_tests" --gtest_filter="FileManagers/HostModuleTest.$test/$host" >"$scratch/module.log" 2>&1 \
      || { cat "$scratch/module.log"; fail "the unpacked $host module"; }
  done
  lint "$deb"
done
# Dolphin's package: the Qt plugin alone, in KF5's folder for file-item actions,
# loaded through KPluginFactory from there and picked.
deb=$(deb_of nimbra-dolphin)
[[ $(dpkg-deb -f "$deb" Depends) == *"nimbra (= $version)"* ]] || fail "nimbra-dolphin does not depend on nimbra $version"
[[ $(dpkg-deb -f "$deb" Enhances) == dolphin* ]] || fail "nimbra-dolphin does not enhance dolphin"
dpkg -x "$deb" "$root"
plugin=$root$(/usr/lib/qt5/bin/qmake -query QT_INSTALL_PLUGINS)/kf5/kfileitemaction/nimbra-dolphin.so
[[ -s $plugin ]] || fail "nimbra-dolphin lacks ${plugin#"$root"}"
[[ $(dpkg-deb -c "$deb" | grep -c '\.so$' || true) == 1 ]] || fail "nimbra-dolphin holds more than its plugin"
exported=$(nm -D --defined-only "$plugin" | awk '$3 !~ /^_(init|fini)$/ {print $3}' | sort | tr '\n' ' ')
[[ $exported == "qt_plugin_instance qt_plugin_query_metadata " ]] || fail "nimbra-dolphin.so exports more than a Qt plugin: $exported"
NIMBRA_MODULE=$plugin "$plugin_tests" --gtest_filter='DolphinPluginTest.TheFolderShownGets*' >"$scratch/plugin.log" 2>&1 \
  || { cat "$scratch/plugin.log"; fail "the unpacked Dolphin plugin"; }
lint "$deb"
echo "ok: $(cd "$scratch/out" && ls ./*.deb | tr '\n' ' ')"
