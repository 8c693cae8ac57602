#!/bin/sh
# Copies the menu and toolbar icons of Tessary out of Debian's icon themes into resources/img.
# Needs the packages oxygen-icon-theme and adwaita-icon-theme, and ImageMagick's convert for the
# one icon that is scaled down. Run it once from anywhere; the copies are committed, so the build
# never needs the themes. Keep resources/img/SOURCES.md in step with the table below.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../../resources/img}
oxy=/usr/share/icons/oxygen/base/32x32
adw=/usr/share/icons/Adwaita

# target name                 source inside the oxygen theme's 32x32 folder
while read -r name source; do
    [ -n "$name" ] || continue
    cp "$oxy/$source" "$out/$name"
done <<'TABLE'
spanner.png                   actions/configure.png
about.png                     actions/help-about.png
photo_32x32.png               devices/camera-photo.png
book_32x32.png                mimetypes/application-epub+zip.png
video_32x32.png               mimetypes/video-x-generic.png
music_32x32.png               mimetypes/audio-x-generic.png
rejection_32x32.png           devices/media-flash-sd-mmc.png
arrangement_32x32.png         actions/albumfolder-importdir.png
select_32x32.png              actions/edit-find.png
template_32x32.png            actions/document-new-from-template.png
select_category_32x32.png     actions/view-filter.png
select_keyword_32x32.png      actions/tag.png
select_title_32x32.png        actions/draw-text.png
display_32x32.png             actions/view-presentation.png
similar_32x32.png             emblems/image-stack.png
edit_32x32.png                actions/document-edit.png
prn_32x32.png                 devices/printer.png
usb_32x32.png                 devices/drive-removable-media-usb-pendrive.png
fill_all_32x32.png            actions/view-form.png
fill_category_32x32.png       actions/tag-folder.png
fill_keyword_32x32.png        actions/tag-new.png
fill_title_32x32.png          actions/insert-text.png
check_32x32.png               actions/preflight-verifier.png
info_32x32.png                actions/view-statistics.png
restore_32x32.png             actions/document-revert.png
fill_32x32.png                actions/story-editor.png
TABLE

# The quit door: the Adwaita theme's full-colour (legacy) exit icon, 48x48 scaled to 32x32.
convert "$adw/48x48/legacy/application-exit.png" -filter Lanczos -resize 32x32 \
    -define png:color-type=6 "$out/quit.png"
