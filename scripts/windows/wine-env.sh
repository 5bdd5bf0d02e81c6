# Sourced by the scripts that run the Windows build under Wine: the Wine
# prefix they share and Wine's loader. Sets WINEPREFIX, WINEDEBUG and WINE.
VELMARO_CACHE="${VELMARO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velmaro}"
WINEPREFIX="${VELMARO_WINEPREFIX:-$VELMARO_CACHE/wine}"
# Wine's own chatter would mix with the programs' output.
WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko: nothing here needs them, and their installers would ask.
WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
# Debian's 64-bit loader is not on PATH.
if [ -x /usr/lib/wine/wine64 ]; then
    WINE=/usr/lib/wine/wine64
else
    WINE="$(command -v wine64 || command -v wine)"
fi
# A Unix folder as Wine's Z: drive names it.
wine_path() {
    printf 'Z:%s' "$1" | tr '/' '\\'
}
