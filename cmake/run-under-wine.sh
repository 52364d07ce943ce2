#!/bin/sh
# Runs a 64-bit Windows program under Wine, quietly and without a display:
# the test emulator of the 64-bit Windows build. The caller chooses the
# prefix (WINEPREFIX); scripts/test-windows.sh makes a temporary one.
WINEDEBUG=-all
WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEDEBUG WINEDLLOVERRIDES
unset DISPLAY WAYLAND_DISPLAY
for wine in "${CONTOUR_WINE:-}" "$(command -v wine64 2>/dev/null)" /usr/lib/wine/wine64; do
  if [ -n "$wine" ] && [ -x "$wine" ]; then exec "$wine" "$@"; fi
done
echo "run-under-wine.sh: wine64 not found (Debian package wine64)" >&2
exit 127
