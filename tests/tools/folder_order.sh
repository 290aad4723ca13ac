# Sourced by the layout checks. check_folder_order ROOT LAYER FOLDER... fails
# (returns 1) when a file under ROOT/<folder> includes a "LAYER/<other>/" header
# of a folder later in the list than its own, or when a folder under ROOT has no
# place in the list. The folders are given lowest first.
check_folder_order() {
  local root="$1" layer="$2"
  shift 2
  local order=("$@") failed=0 dir folder own file line used
  rank() {
    local i
    for i in "${!order[@]}"; do
      [ "${order[$i]}" = "$1" ] && { echo "$i"; return; }
    done
    echo -1
  }
  for dir in "$root"/*/; do
    folder="$(basename "$dir")"
    own="$(rank "$folder")"
    if [ "$own" -lt 0 ]; then
      echo "$layer folder $folder has no place in the order" >&2
      failed=1
      continue
    fi
    while IFS=: read -r file line used; do
      if [ "$(rank "$used")" -lt 0 ] || [ "$(rank "$used")" -gt "$own" ]; then
        echo "$file:$line: $folder includes $layer/$used, a folder above it" >&2
        failed=1
      fi
    done < <(grep -rnoE "^[[:space:]]*#[[:space:]]*include[[:space:]]*\"$layer/[a-z_]+/" "$dir" |
      sed -E "s|^([^:]*):([0-9]+):.*$layer/([a-z_]+)/\$|\\1:\\2:\\3|")
  done
  return "$failed"
}
