#!/usr/bin/env bash
# Makes the README's pictures again: the biped as vexil-host draws it, bare
# and in its closed skin, one bone triangle with its corners named, and the
# rig page. Needs build/vexil-host, and for the page chromium and npm ci.
set -euo pipefail
docs="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$docs")"
"$root/build/vexil-host" --quiet --svg "$docs/biped.svg" "$root/examples/biped.obj" >/dev/null
"$root/build/vexil-host" --quiet --svg "$docs/biped_skin.svg" "$root/examples/biped_skin.obj" >/dev/null

# One bone: joint and roll corner close together, the tip far away.
cat > "$docs/bone.svg" <<'SVG'
<svg xmlns='http://www.w3.org/2000/svg' width='640' height='200' viewBox='0 50 640 200' font-family='sans-serif'>
<style>.edge{stroke:#222;stroke-width:1.5;fill:none}.corner{fill:#222}.name{font-size:15px;fill:#222}
.note{font-size:12px;fill:#555}.axis{stroke:#e4572e;stroke-width:2;fill:none}</style>
<rect y='50' width='640' height='200' fill='white'/>
<polygon points='80,160 560,160 80,110' fill='#2e86ab' fill-opacity='0.25'/>
<line x1='80' y1='160' x2='560' y2='160' class='edge'/>
<line x1='80' y1='160' x2='80' y2='110' class='edge'/>
<line x1='80' y1='110' x2='560' y2='160' class='edge'/>
<circle cx='80' cy='160' r='5' class='corner'/>
<circle cx='560' cy='160' r='5' class='corner'/>
<circle cx='80' cy='110' r='5' class='corner'/>
<text x='30' y='185' class='name'>joint: where the bone starts</text>
<text x='20' y='98' class='name'>roll corner: the bone's +Y side</text>
<text x='520' y='185' class='name'>tip</text>
<text x='270' y='178' class='note'>joint to tip: the bone (+Z), its length</text>
<text x='88' y='140' class='note'>shortest</text>
<text x='300' y='126' class='note'>longest: roll corner to tip</text>
<line x1='80' y1='215' x2='140' y2='215' class='axis'/><text x='146' y='219' class='note'>+Z, towards the tip</text>
<line x1='340' y1='215' x2='340' y2='190' class='axis'/><text x='348' y='207' class='note'>+Y, towards the roll corner</text>
</svg>
SVG
# The rig page, as the page test photographs it in chromium.
shots="$(mktemp -d)"
node "$root/tests/rig_page_test.js" "$root/build/vexil-host" /usr/bin/chromium "$root/examples" "$shots" >/dev/null
cp "$shots/rig-page-elbow-60.png" "$docs/rig-page.png"
rm -rf "$shots"
echo "made $docs/biped.svg, $docs/biped_skin.svg, $docs/bone.svg and $docs/rig-page.png"
