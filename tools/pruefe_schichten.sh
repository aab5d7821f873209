#!/usr/bin/env bash
# Checks how the libraries under src/ stack. Each folder may include only from the
# folders below it:
#   platform -> language -> data -> scoring -> statistics, records, charts -> forms
#   -> reports -> shell -> app
# Folders on one level may include each other, but not in a circle. No file in data,
# scoring, statistics or records includes a widget header.
#
#   pruefe_schichten.sh <source root> [--erlaubt <file>] [--widgets <QtWidgets include dir>]
#
# --erlaubt names known breaches that are let pass for now, one a line as
#   <file below the root> <included path>      e.g.  data/Loeschen.cpp forms/Golfer.h
# ('#' starts a comment). --widgets adds every class header of Qt's widget module to
# the short list of widget headers below. Prints each breach; exit status 1 when any.
set -euo pipefail

wurzel=${1:?usage: pruefe_schichten.sh <source root> [--erlaubt <file>] [--widgets <dir>]}
wurzel=${wurzel%/}
shift
erlaubt_datei=""
widget_ordner=""
while (($#)); do
  case $1 in
    --erlaubt) erlaubt_datei=${2:?}; shift 2 ;;
    --widgets) widget_ordner=${2:?}; shift 2 ;;
    *) echo "pruefe_schichten: unknown argument $1" >&2; exit 2 ;;
  esac
done

declare -A rang=([platform]=0 [language]=1 [data]=2 [scoring]=3 [statistics]=4 [records]=4 [charts]=4
                 [forms]=5 [reports]=6 [shell]=7 [app]=8)
declare -A ohne_widgets=([data]=1 [scoring]=1 [statistics]=1 [records]=1)
declare -A widget=()
for w in QWidget QLineEdit QLabel QCheckBox QComboBox QTableWidget QPushButton QMainWindow QDialog \
         QApplication QMessageBox QTabWidget QRadioButton QPlainTextEdit QTextEdit QGroupBox QToolBar; do
  widget[$w]=1
done
if [[ -n $widget_ordner && -d $widget_ordner ]]; then
  for f in "$widget_ordner"/Q*; do
    n=${f##*/}
    [[ $n =~ ^Q[A-Z][A-Za-z0-9]*$ ]] && widget[$n]=1
  done
fi

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
  [[ $rel == */* ]] || continue
  ordner=${rel%%/*}
  if [[ -z ${rang[$ordner]+x} ]]; then
    echo "$rel: the folder $ordner has no place in the order of the layers" >&2
    fehler=1
    continue
  fi
  while IFS= read -r zeile; do
    if [[ $zeile =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"(([^/\"]+)/[^\"]*)\" ]]; then
      ziel=${BASH_REMATCH[2]}
      [[ $ziel == "$ordner" || -z ${rang[$ziel]+x} ]] && continue
      if ((rang[$ziel] > rang[$ordner])); then
        verstoss "$rel" "${BASH_REMATCH[1]}" "$ziel lies above $ordner"
      elif ((rang[$ziel] == rang[$ordner])); then
        kanten+=("$ordner $ziel")
      fi
    elif [[ -n ${ohne_widgets[$ordner]+x} && $zeile =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<([^>]+)\> ]]; then
      kopf=${BASH_REMATCH[1]}
      if [[ $kopf == QtWidgets/* || -n ${widget[$kopf]+x} ]]; then
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
