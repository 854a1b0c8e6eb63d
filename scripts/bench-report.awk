# Prints the benchmark table: reads bench/goals.tsv (benchmark, figure, comparison, goal) and then
# the figures file (benchmark, figure, value), both tab-separated; one row per figure in the order
# the programs printed them, then every goal no program reported. Exit status 1 when a goal was
# missed or not reported.
function met(value, op, goal) {
  if (op == "<=") return value + 0 <= goal + 0
  if (op == "<")  return value + 0 <  goal + 0
  if (op == ">=") return value + 0 >= goal + 0
  if (op == ">")  return value + 0 >  goal + 0
  return 0
}
function row(b, f, v, g, m) {
  n++; cell[n, 1] = b; cell[n, 2] = f; cell[n, 3] = v; cell[n, 4] = g; cell[n, 5] = m
}
FNR == NR {
  if ($0 ~ /^#/ || NF < 4) next
  key = $1 SUBSEP $2; op[key] = $3; goal[key] = $4; order[++goals] = key
  next
}
{
  key = $1 SUBSEP $2
  if (key in op) {
    # nan, inf or garbage meets no goal
    ok = $3 ~ /^-?[0-9]+(\.[0-9]+)?([eE][-+]?[0-9]+)?$/ && met($3, op[key], goal[key])
    row($1, $2, $3, op[key] " " goal[key], ok ? "yes" : "no")
    if (!ok) missed = 1
    seen[key] = 1
  } else {
    row($1, $2, $3, "-", "-")
  }
}
END {
  for (i = 1; i <= goals; i++) {
    key = order[i]
    if (key in seen) continue
    split(key, part, SUBSEP)
    row(part[1], part[2], "missing", op[key] " " goal[key], "no")
    missed = 1
  }
  split("benchmark figure value goal met", head, " ")
  for (c = 1; c <= 5; c++) width[c] = length(head[c])
  for (r = 1; r <= n; r++)
    for (c = 1; c <= 5; c++)
      if (length(cell[r, c]) > width[c]) width[c] = length(cell[r, c])
  line = "|"; rule = "|"
  for (c = 1; c <= 5; c++) {
    line = line sprintf(" %-*s |", width[c], head[c])
    dashes = ""; for (k = 0; k < width[c]; k++) dashes = dashes "-"
    rule = rule "-" dashes "-|"
  }
  print line; print rule
  for (r = 1; r <= n; r++) {
    line = "|"
    for (c = 1; c <= 5; c++) line = line sprintf(" %-*s |", width[c], cell[r, c])
    print line
  }
  exit missed
}
