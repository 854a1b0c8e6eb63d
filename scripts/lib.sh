# Sourced by the project's scripts: the set-up they share. Run from the repository's root.

# Installs what the scripts need (idempotent), and lets ccache reuse objects across checkouts in
# other folders (CI builds a fresh clone).
kw_prepare() {
  scripts/bootstrap
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
}

# Lets the web engine start here: as root it needs its sandbox off, and there is no GPU.
kw_web_engine_environment() {
  export QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --no-sandbox"
}

# Runs a command on the display, or on a virtual one (large and deep enough for pixel checks)
# when there is none.
run_display() {
  if [ -n "${DISPLAY:-}" ]; then
    "$@"
  else
    xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
  fi
}
