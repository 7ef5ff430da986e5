# Cutting a zorhost movie into segments and joining them again, for the
# scripts that render the segments on many processors (render-parallel,
# render-slurm). Source it; every function prints its errors and returns
# non-zero on failure.
#
#   count_movie MACROFILE            sets FRAMES, RATE (per second) and MOVIE
#   segment_range I SEGMENTS         prints FIRST:LAST of segment I (from 0)
#   segment_file RANGE               prints the segment's file (zorhost's rule)
#   join_segments SEGMENTS           joins them into MOVIE, removing them
#   remove_segments SEGMENTS         removes them and a join not complete

# The zorhost to run: $ZORHOST, else the one of the tree these scripts are
# in (built in the repository, or installed), else the one on the PATH; an
# absolute name, for other machines that share the folders.
find_zorhost() {
  local here candidate
  here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
  if [ -n "${ZORHOST:-}" ]; then
    ZORHOST="$(realpath -s "$(command -v "$ZORHOST")")" ||
      { echo "$PROGRAM: ZORHOST=$ZORHOST is not a program" >&2; return 1; }
    return
  fi
  for candidate in "$here/../build/host/app/zorhost" "$here/../../../bin/zorhost"; do
    if [ -x "$candidate" ]; then
      ZORHOST="$(realpath "$candidate")"
      return
    fi
  done
  ZORHOST="$(command -v zorhost)" || { echo "$PROGRAM: no zorhost found; set ZORHOST" >&2; return 1; }
}

count_movie() {
  local counted
  counted="$("$ZORHOST" --no-progress --count-frames "$1")" ||
    { echo "$PROGRAM: zorhost could not count the frames of $1" >&2; return 1; }
  IFS=$'\t' read -r FRAMES RATE MOVIE <<<"$counted"
  if [ "$FRAMES" = 0 ]; then
    echo "$PROGRAM: $1 writes no movie" >&2
    return 1
  fi
}

segment_range() {
  echo "$(($1 * FRAMES / $2)):$((($1 + 1) * FRAMES / $2 - 1))"
}

# The movie's name with ".frames-FIRST-LAST" before its extension.
segment_file() {
  local folder name stem extension=""
  folder="$(dirname "$MOVIE")"
  name="$(basename "$MOVIE")"
  stem="$name"
  if [[ "${name:1}" == *.* ]]; then
    extension=".${name##*.}"
    stem="${name%.*}"
  fi
  echo "$folder/$stem.frames-${1%:*}-${1#*:}$extension"
}

remove_segments() {
  local i
  for ((i = 0; i < $1; i++)); do
    rm -f "$(segment_file "$(segment_range "$i" "$1")")"
  done
  rm -f "$(joining_file)"
}

# The joined movie's name until it is complete.
joining_file() {
  echo "$(dirname "$MOVIE")/.$(basename "$MOVIE").joining"
}

# FFmpeg's muxer for the container ffprobe found in a segment.
muxer_of() {
  local container
  container="$(ffprobe -v error -show_entries format=format_name -of default=nw=1:nk=1 "$1")"
  case "$container" in
    mov,mp4*) echo mp4 ;;
    avi | asf | flv) echo "$container" ;;
    *) echo "$PROGRAM: cannot join the movie format of $1" >&2; return 1 ;;
  esac
}

# Joins the segments without decoding them, checks the frames of the whole
# and renames it to MOVIE; the segments go, joined or not. A Raster
# Metafile is a sequence of pictures and joins by concatenation; the other
# formats through FFmpeg's concat demuxer, each segment's timestamps
# following on from the one before.
join_segments() {
  local segments="$1" joined list muxer range retime frames status=0 files=() i
  joined="$(joining_file)"
  for ((i = 0; i < segments; i++)); do
    files+=("$(realpath "$(segment_file "$(segment_range "$i" "$segments")")")")
  done
  local magic=""
  LC_ALL=C read -r -n 2 magic <"${files[0]}" || true
  if [ "$magic" = P6 ]; then
    cat "${files[@]}" >"$joined" || status=$?
  elif muxer="$(muxer_of "${files[0]}")"; then
    list="$(mktemp)"
    for ((i = 0; i < segments; i++)); do
      printf "file '%s'\n" "${files[i]//\'/\'\\\'\'}" >>"$list"
      # Each segment's length from its frames: the containers' own durations
      # are rounded (to the millisecond in MPEG-4), and the next segment's
      # timestamps start where this one ends.
      range="$(segment_range "$i" "$segments")"
      awk -v frames="$((${range#*:} - ${range%:*} + 1))" -v rate="$RATE" \
        'BEGIN { printf "duration %.6f\n", frames / rate }' >>"$list"
    done
    # Containers that count time in milliseconds cannot start a segment on
    # the whole movie's timestamps from its duration alone; their codecs
    # keep the frames in order, so each frame's time follows from its number.
    retime=()
    [ "$muxer" = mp4 ] || retime=(-bsf:v "setts=ts=round(N/($RATE*TB))")
    ffmpeg -nostdin -v error -f concat -safe 0 -i "$list" -c copy "${retime[@]}" -f "$muxer" -y "$joined" || status=$?
    rm -f "$list"
    [ "$status" = 0 ] && frames="$(ffprobe -v error -count_frames -select_streams v:0 \
      -show_entries stream=nb_read_frames -of csv=p=0 "$joined")"
    if [ "$status" = 0 ] && [ "$frames" != "$FRAMES" ]; then
      echo "$PROGRAM: the joined movie holds $frames frames instead of $FRAMES" >&2
      status=1
    fi
  else
    status=1
  fi
  [ "$status" = 0 ] && { mv -f "$joined" "$MOVIE" || status=$?; }
  remove_segments "$segments"
  if [ "$status" != 0 ]; then
    echo "$PROGRAM: cannot join the segments into $MOVIE" >&2
    return 1
  fi
}
