# Sourced by ./run and ./test: a Wine prefix of its own, a null sound device and a display.
# Usage: wine_env_setup PREFIX_DIR ; wine_display_start DEPTH ; wine_env_teardown
wine_env_setup() {
  export WINEPREFIX="$1"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win32
  mkdir -p "$WINEPREFIX"
  # MCI wave playback needs an ALSA device even without a sound card.
  export BW_WINE_HOME="$WINEPREFIX/home"
  mkdir -p "$BW_WINE_HOME"
  printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' > "$BW_WINE_HOME/.asoundrc"
  export ALSA_CONFIG_PATH=/usr/share/alsa/alsa.conf
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    HOME="$BW_WINE_HOME" wineboot -i >/dev/null 2>&1 || true
    HOME="$BW_WINE_HOME" wineserver -w || true
  fi
  wine_fonts_install
  # Without a window manager nobody draws the title bars Wine leaves to one: Wine draws them.
  if ! grep -qs '"Decorated"="N"' "$WINEPREFIX/user.reg"; then
    HOME="$BW_WINE_HOME" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 || true
    HOME="$BW_WINE_HOME" wineserver -w || true
  fi
}

# Wine's own fonts (Marlett draws the caption buttons, MS Sans Serif and Tahoma the dialogs) go
# into the prefix's Fonts folder, which Wine always reads. Debian's Wine names its data folder
# /usr/lib/wine/../../share/wine, a path its file layer refuses, so it never loads them there
# and the caption buttons show the letters "0 1 r" in a fallback font.
wine_fonts_install() {
  local source="" candidate font fonts="$WINEPREFIX/drive_c/windows/Fonts"
  for candidate in /usr/share/wine/fonts /usr/local/share/wine/fonts /opt/wine*/share/wine/fonts; do
    [ -f "$candidate/marlett.ttf" ] && { source=$candidate; break; }
  done
  if [ -z "$source" ]; then
    echo "Wine's fonts (package fonts-wine) are missing: title bars will show letters for their buttons" >&2
    return 0
  fi
  mkdir -p "$fonts"
  for font in "$source"/*.ttf "$source"/*.fon; do
    [ -e "$fonts/$(basename "$font")" ] || cp "$font" "$fonts/"
  done
}

# Starts Xvfb on a free display with the given colour depth (24 or 8) unless told to reuse one.
wine_display_start() {
  local depth="${1:-24}" n
  for n in $(seq 91 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 "1024x768x$depth" -nolisten tcp >/dev/null 2>&1 &
    BW_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && return 0
      sleep 0.1
    done
    kill "$BW_XVFB_PID" 2>/dev/null || true
  done
  echo "Could not start Xvfb" >&2
  return 1
}

wine_display_stop() {
  [ -n "${BW_XVFB_PID:-}" ] && kill "$BW_XVFB_PID" 2>/dev/null || true
  BW_XVFB_PID=
}

wine_env_teardown() {
  HOME="$BW_WINE_HOME" wineserver -k >/dev/null 2>&1 || true
  wine_display_stop
}

# Copies a prefix whose wineserver has ended; links that pointed into the old prefix (the
# user's shell folders point into its home) point into the new one.
wine_prefix_copy() { # FROM TO
  local from=$1 to=$2 link target
  cp -a "$from/." "$to/"
  find "$to" -type l | while read -r link; do
    target=$(readlink "$link")
    case $target in "$from"/*) ln -sfn "$to${target#"$from"}" "$link" ;; esac
  done
}

# Runs a Windows program with the prepared prefix.
bw_wine() {
  HOME="$BW_WINE_HOME" wine "$@"
}
