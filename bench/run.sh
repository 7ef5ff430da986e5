#!/usr/bin/env bash
# Measures what the add-on costs, each time against a baseline measured in
# the same run, and prints one line per ratio with its target, e.g.
#   view precomputation overhead: 1.17x host calls (target <= 1.5x) HOLDS
#
#   bench/run.sh        builds what is missing in build/, then runs everything
#                       (about six minutes on two cores; the data file
#                       benchmarks write about 2 GB into the temporary folder)
#   bench/run.sh movie  the movie export alone: drawing (R), encoding (E) and
#                       zorhost's whole export (M), 800 and 1920 pixels wide,
#                       with the machine and its load (about two minutes)
#   bench/run.sh segments  the 300-frame MPEG-4 at 1920 pixels written by one
#                       zorhost against tools/render-parallel's two segments at
#                       once, with where each one's time goes (about five minutes)
#
# Google Benchmark's tables and the movie timings go to build/bench/logs/.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build
logs=$build/bench/logs
benchmarks=(ViewPrecomputationBench PlayOnScreenBench KeyFrameFileBench ZorhostMemoryBench DataReadingBench DataMemoryBench DrawingBench)
# The movie is timed this many times; the fastest run counts.
rounds=2

[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

# movie_macro FORMAT FILE [WIDTH]: a macro that animates the key frames into
# FILE, 800 pixels wide unless WIDTH is given.
movie_macro() {
  cat <<MACRO
\$!NEWFRAME PLOTTYPE = CARTESIAN3D
\$!LOADSAMPLE NAME = WAVE STEPS = 21 TIMEMIN = 0 TIMEMAX = 2
\$!STYLE PATH = "STREAMATTRIBUTES STREAMTIMING SHOWMARKERS" VALUE = TRUE
\$!ADDONCOMMAND ADDON = "Key Frame Animation" COMMAND = "OpenSettingsFile FileName=bench/movie/movie.keyframe"
\$!EXPORTSETUP EXPORTFORMAT = $1
\$!EXPORTSETUP EXPORTREGION = CURRENTFRAME
\$!EXPORTSETUP IMAGEWIDTH = ${3:-800}
\$!EXPORTSETUP ANIMATIONSPEED = 30
\$!EXPORTSETUP EXPORTFNAME = "$2"
\$!ADDONCOMMAND ADDON = "Key Frame Animation" COMMAND = "Animate AnimationDestination=ToFile"
MACRO
}
# The times of zorhost and the scripts come from bash's `time`.
TIMEFORMAT="%R %U %S"
# timed LOG COMMAND...: runs the command and prints "REAL USER SYSTEM" seconds.
timed() {
  local log="$1"
  shift
  { time "$@" >>"$log" 2>&1; } 2>&1
}

if [ "${1:-}" = segments ]; then
  cmake --build "$build" --target zorhost -j2 >/dev/null
  mkdir -p "$logs"
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  movie_macro MPEG4 "$work/fly.mp4" 1920 >"$work/fly.mcr"
  log=$logs/segments.txt
  : >"$log"
  echo "machine: $(nproc) cores; load before: $(cut -d' ' -f1-3 /proc/loadavg)"
  read -r whole wholeUser wholeSystem < <(timed "$log" "$build/host/app/zorhost" --no-progress "$work/fly.mcr")
  read -r count _ < <(timed "$log" "$build/host/app/zorhost" --no-progress --count-frames "$work/fly.mcr")
  # GNU parallel's job log gives each segment's time inside the whole run.
  read -r split splitUser splitSystem < <(PARALLEL="--joblog $work/jobs" \
    timed "$log" env ZORHOST="$build/host/app/zorhost" tools/render-parallel -j 2 "$work/fly.mcr")
  echo "one process: ${whole}s (processor ${wholeUser}s user, ${wholeSystem}s system)"
  echo "2 segments: ${split}s (processor ${splitUser}s user, ${splitSystem}s system)"
  awk -v total="$split" -v count="$count" 'NR > 1 { printf "  segment %d: %.1fs\n", $1, $4; if ($4 > longest) longest = $4 }
    END { printf "  counting the frames %.1fs; joining and starting %.1fs\n", count, total - count - longest }' \
    "$work/jobs"
  awk -v s="$split" -v w="$whole" 'BEGIN { printf "2 segments against one process: %.2fx\n", s / w }'
  echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
  exit
fi
if [ "${1:-}" = movie ]; then
  cmake --build "$build" --target MovieExportBench -j2 >/dev/null
  echo "machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)," \
       "$(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo)"
  echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
  "$build/bench/MovieExportBench"
  echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
  exit
fi
cmake --build "$build" --target "${benchmarks[@]}" WindowPlaybackBench zorhost -j2 >/dev/null
mkdir -p "$logs"

for benchmark in "${benchmarks[@]}"; do
  "$build/bench/$benchmark" 2>"$logs/$benchmark.txt"
done
# The window on a real X server when there is one to start.
if command -v xvfb-run >/dev/null; then
  xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bench/WindowPlaybackBench" 2>"$logs/WindowPlaybackBench.txt"
else
  "$build/bench/WindowPlaybackBench" 2>"$logs/WindowPlaybackBench.txt"
fi

# The movie: 300 frames of the fly-through's key frames, 800 pixels wide.
# The raw frames go to memory when it can hold them (432 MB).
work=$(mktemp -d "$( [ -d /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}" )/kfa-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

movie_macro MPEG4 "$work/zorhost.mp4" >"$work/mpeg4.mcr"
movie_macro RASTERMETAFILE "$work/frames.ppm" >"$work/raster.mcr"

now() { date +%s.%N; }
# seconds COMMAND...: how long the command took, in seconds.
seconds() {
  local start
  start=$(now)
  "$@" >>"$logs/movie.txt" 2>&1
  awk -v a="$start" -v b="$(now)" 'BEGIN { printf "%.3f", b - a }'
}
fastest() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }

zorhost=$build/host/app/zorhost
# The same encoder and settings as zorhost's MPEG-4 export.
encode_with_ffmpeg() {
  ffmpeg -v error -y -f image2pipe -c:v ppm -framerate 30 -i "$work/frames.ppm" \
    -c:v libx264 -preset veryfast -crf 20 -pix_fmt yuv420p -g 60 "$work/ffmpeg.mp4"
}

: >"$logs/movie.txt"
movie="" drawing="" encoder=""
for _ in $(seq "$rounds"); do
  movie=$(fastest "$movie" "$(seconds "$zorhost" --no-progress "$work/mpeg4.mcr")")
  drawing=$(fastest "$drawing" "$(seconds "$zorhost" --no-progress "$work/raster.mcr")")
  encoder=$(fastest "$encoder" "$(seconds encode_with_ffmpeg)")
done
echo "movie ${movie}s, drawing alone ${drawing}s, ffmpeg ${encoder}s" >>"$logs/movie.txt"

# judge LABEL VALUE UNIT TARGET
judge() {
  awk -v label="$1" -v value="$2" -v unit="$3" -v target="$4" 'BEGIN {
    printf "%s: %.2fx %s (target <= %gx) %s\n", label, value, unit, target, value <= target ? "HOLDS" : "DOES NOT HOLD" }'
}
judge "movie encoding" "$(awk -v m="$movie" -v d="$drawing" -v e="$encoder" 'BEGIN { print (m - d) / e }')" \
  "ffmpeg's own encoder on the same frames" 1.25
judge "movie writing" "$(awk -v m="$movie" -v d="$drawing" 'BEGIN { print m / d }')" "drawing alone" 2
