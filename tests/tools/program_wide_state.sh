# The program-wide state of the sources under a folder, for the layout checks:
# program_wide_state DIR prints "file:line: name" for each static data member,
# static local and mutable variable at file scope.
program_wide_state() {
  local dir="$1"
  {
    # Statics that are not const: a variable's declaration ends in its name
    # or its initialiser, a function's in ")" and the like.
    grep -rnE '^[[:space:]]*static[[:space:]][^;]*;[[:space:]]*$' "$dir" --include='*.h' --include='*.cpp' |
      grep -vE ':[0-9]+:[[:space:]]*static[[:space:]]+(inline[[:space:]]+)?(constexpr|const)[[:space:]]' |
      grep -vE '\)[[:space:]]*(const|override|noexcept|= *0|= *default|= *delete)?[[:space:]]*;[[:space:]]*$'
    # Variables at file scope (the formatter indents nothing inside a
    # namespace) that are not const, or are pointers to const.
    grep -rnE '^[A-Za-z_][A-Za-z0-9_:<>, ]*[[:space:]*&]+[A-Za-z_][A-Za-z0-9_]*[[:space:]]*(\[[^]]*\])?[[:space:]]*(=[^=].*|\{.*)?;?$' "$dir" --include='*.cpp' |
      grep -vE ':[0-9]+:(const|constexpr|static|using|namespace|class|struct|enum|template|typedef|return|extern)[[:space:]]' |
      grep -vE '\)[[:space:]]*(const)?[[:space:]]*[{;]?$'
    grep -rnE '^const[[:space:]][^=;(]*\*[[:space:]]*[A-Za-z_][A-Za-z0-9_]*[[:space:]]*(=.*)?;$' "$dir" --include='*.cpp'
  } | sed -E 's/^([^:]*:[0-9]+):([^=;{]*).*$/\1: \2/; s/(\[[^]]*\])?[[:space:]]*$//; s/: .*[^A-Za-z0-9_]([A-Za-z_][A-Za-z0-9_]*)$/: \1/'
}
