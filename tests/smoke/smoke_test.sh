#!/bin/sh
# Starts the real program on a virtual X display, waits for its main window,
# closes it through the menu's exit command and checks the settings file it
# wrote beside the executable.
set -eu
exe=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$exe" "$work/vellora"

cat > "$work/session.sh" <<'SESSION'
#!/bin/sh
set -eu
work=$1
"$work/vellora" > "$work/out.log" 2>&1 &
app=$!
win=""
for _ in $(seq 100); do
    # Only a mapped window takes the focus; Qt also makes unmapped ones.
    win=$(xdotool search --onlyvisible --name '^Vellora$' 2>/dev/null | head -n 1 || true)
    [ -n "$win" ] && break
    sleep 0.1
done
if [ -z "$win" ]; then
    echo "the main window did not appear"; kill $app; exit 1
fi
sleep 0.5
for _ in $(seq 20); do
    xdotool windowfocus --sync "$win" 2>/dev/null && break
    sleep 0.2
done
xdotool key --clearmodifiers alt+f
sleep 0.5
xdotool key x
for _ in $(seq 100); do
    kill -0 $app 2>/dev/null || break
    sleep 0.1
done
if kill -0 $app 2>/dev/null; then
    echo "the program did not end after the exit command"; kill $app; exit 1
fi
wait $app
SESSION

xvfb-run -a -s "-screen 0 1024x768x24" sh "$work/session.sh" "$work"
ini="$work/vellora.ini"
[ -f "$ini" ] || { echo "no settings file written"; cat "$work/out.log"; exit 1; }
for line in '\[Manager\]' 'DockStatus=-1' 'FileName=' '\[View\]' 'Manager=1' 'EditorFont.Style=0' '\[WindowPlacement\]'; do
    grep -q "^$line" "$ini" || { echo "missing in the settings: $line"; cat "$ini"; exit 1; }
done
echo "smoke test passed"
