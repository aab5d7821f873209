#!/usr/bin/env bash
# Checks how the libraries under src/ stack. Each folder may include only from the
# folders below it:
#   platform -> language -> data -> scoring -> statistics, records, charts -> forms
#   -> reports -> shell -> app
# The part of a subsystem that needs widgets is a library of its own, the subsystem's
# folder widgets/ (platform/widgets, language/widgets, charts/widgets), right above the
# subsystem. Folders on one level may include each other, but not in a circle. The
# layers without widgets (platform, language, data, scoring, statistics, records,
# charts) include no widget header and nothing of a widgets/ folder.
#
#   pruefe_schichten.sh <source root> [--erlaubt <file>] [--widgets <include dir>]...
#
# --erlaubt names known breaches that are let pass for now, one a line as
#   <file below the root> <included path>      e.g.  data/Loeschen.cpp forms/Golfer.h
# ('#' starts a comment). --widgets adds every class header of a Qt module that brings
# widgets (QtWidgets, QtPrintSupport, QtCharts) to the short list of widget headers
# below; it may be given more than once. Prints each breach; exit status 1 when any.
set -euo pipefail

wurzel=${1:?usage: pruefe_schichten.sh <source root> [--erlaubt <file>] [--widgets <dir>]...}
wurzel=${wurzel%/}
shift
erlaubt_datei=""
widget_ordner=()
while (($#)); do
  case $1 in
    --erlaubt) erlaubt_datei=${2:?}; shift 2 ;;
    --widgets) widget_ordner+=("${2:?}"); shift 2 ;;
    *) echo "pruefe_schichten: unknown argument $1" >&2; exit 2 ;;
  esac
done

declare -A rang=([platform]=0 [platform/widgets]=1 [language]=2 [language/widgets]=3 [data]=4 [scoring]=5
                 [statistics]=6 [records]=6 [charts]=6 [charts/widgets]=7 [forms]=8 [reports]=9 [shell]=10
                 [app]=11)
declare -A ohne_widgets=([platform]=1 [language]=1 [data]=1 [scoring]=1 [statistics]=1 [records]=1 [charts]=1)
declare -A widget=()
for w in QWidget QLineEdit QLabel QCheckBox QComboBox QTableWidget QPushButton QMainWindow QDialog \
         QApplication QMessageBox QTabWidget QRadioButton QPlainTextEdit QTextEdit QGroupBox QToolBar \
         QPrinter QPrintDialog QChart QChartView; do
  widget[$w]=1
done
for d in "${widget_ordner[@]}"; do
  [[ -d $d ]] || continue
  for f in "$d"/Q*; do
    n=${f##*/}
    [[ $n =~ ^Q[A-Z][A-Za-z0-9]*$ ]] && widget[$n]=1
  done
done

# Sets `schicht` to the folder of the layers a path below the root belongs to: a
# subsystem's widgets/ part or the subsystem itself (empty when the path has no folder).
ordner_von() {
  local pfad=$1 erster rest
  schicht=""
  [[ $pfad == */* ]] || return 0
  erster=${pfad%%/*}
  rest=${pfad#*/}
  schicht=$erster
  if [[ $rest == */* && -n ${rang[$erster/${rest%%/*}]+x} ]]; then schicht=$erster/${rest%%/*}; fi
}

declare -A erlaubt=() benutzt=()
if [[ -n $erlaubt_datei ]]; then
  while read -r datei ziel _; do
    [[ -z ${datei:-} || $datei == \#* ]] && continue
    erlaubt["$datei $ziel"]=1
  done <"$erlaubt_datei"
fi

fehler=0
verstoss() {  # <file> <included> <why>
  if [[ -n ${erlaubt["$1 $2"]+x} ]]; then
    benutzt["$1 $2"]=1
    return
  fi
  echo "$1: includes $2 ($3)" >&2
  fehler=1
}

kanten=()
while IFS= read -r -d '' pfad; do
  rel=${pfad#"$wurzel"/}
  ordner_von "$rel"
  ordner=$schicht
  [[ -n $ordner ]] || continue
  if [[ -z ${rang[$ordner]+x} ]]; then
    echo "$rel: the folder $ordner has no place in the order of the layers" >&2
    fehler=1
    continue
  fi
  while IFS= read -r zeile; do
    if [[ $zeile =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^/\"]+/[^\"]*)\" ]]; then
      kopf=${BASH_REMATCH[1]}
      ordner_von "$kopf"
      ziel=$schicht
      [[ $ziel == "$ordner" || -z ${rang[$ziel]+x} ]] && continue
      if [[ -n ${ohne_widgets[$ordner]+x} && -z ${ohne_widgets[$ziel]+x} ]] && ((rang[$ziel] < rang[$ordner])); then
        verstoss "$rel" "$kopf" "$ziel needs widgets, $ordner has none"
      elif ((rang[$ziel] > rang[$ordner])); then
        verstoss "$rel" "$kopf" "$ziel lies above $ordner"
      elif ((rang[$ziel] == rang[$ordner])); then
        kanten+=("$ordner $ziel")
      fi
    elif [[ -n ${ohne_widgets[$ordner]+x} && $zeile =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<([^>]+)\> ]]; then
      kopf=${BASH_REMATCH[1]}
      if [[ $kopf == QtWidgets/* || $kopf == QtPrintSupport/* || $kopf == QtCharts/* || -n ${widget[$kopf]+x} ]]; then
        verstoss "$rel" "<$kopf>" "a widget header in $ordner"
      fi
    fi
  done <"$pfad"
done < <(find "$wurzel" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' \) -print0 | sort -z)

if ((${#kanten[@]})); then
  if ! printf '%s\n' "${kanten[@]}" | sort -u | tsort >/dev/null 2>&1; then
    echo "folders of one level include each other in a circle: $(printf '%s\n' "${kanten[@]}" | sort -u | tr '\n' ';')" >&2
    fehler=1
  fi
fi

for k in "${!erlaubt[@]}"; do
  [[ -n ${benutzt[$k]+x} ]] || echo "note: let pass but no longer found: $k" >&2
done

if ((fehler)); then
  echo "The libraries do not stack as they must (see above)." >&2
  exit 1
fi
echo "Layers in order."
