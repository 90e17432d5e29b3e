#!/usr/bin/env bash
# Builds the Debian package from the build tree into a temporary folder, unpacks it and checks what an
# office PC would get: exactly the expected files, the declared dependencies, programs that run without
# the build tree, and no lintian error.
#   testar_pacote.sh <build dir> <version>
set -uo pipefail
BUILD="$1"; VERSAO="$2"
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
falhas=0
falha() { echo "FALHA: $*" >&2; falhas=$((falhas + 1)); }

cpack --config "$BUILD/CPackConfig.cmake" -B "$TMP/cpack" >"$TMP/cpack.log" 2>&1 \
  || { cat "$TMP/cpack.log" >&2; echo "FALHA: cpack" >&2; exit 1; }
DEB="$TMP/cpack/e-contas_${VERSAO}_amd64.deb"
[ -f "$DEB" ] || { ls "$TMP/cpack" >&2; echo "FALHA: $DEB não foi escrito" >&2; exit 1; }

# Exactly these files, nothing of the tests, the benchmark or the sample generator.
RAIZ="$TMP/raiz"
dpkg-deb -x "$DEB" "$RAIZ"
esperados="./usr/bin/TvEcontas
./usr/bin/TvEcontasLote
./usr/share/applications/e-contas.desktop
./usr/share/doc/e-contas/README.md
./usr/share/doc/e-contas/changelog.gz
./usr/share/doc/e-contas/copyright
./usr/share/icons/hicolor/scalable/apps/e-contas.svg
./usr/share/man/man1/TvEcontas.1.gz
./usr/share/man/man1/TvEcontasLote.1.gz"
obtidos=$(cd "$RAIZ" && find . -type f -o -type l | LC_ALL=C sort)
[ "$obtidos" = "$esperados" ] || falha "arquivos do pacote:"$'\n'"$(diff <(echo "$esperados") <(echo "$obtidos"))"

# The control fields: version, the libraries really linked, the driver and client loaded at run time.
campo() { dpkg-deb -f "$DEB" "$1"; }
[ "$(campo Version)" = "$VERSAO" ] || falha "Version: $(campo Version)"
[ "$(campo Package)" = "e-contas" ] || falha "Package: $(campo Package)"
for dependencia in libqt6sql6-ibase libfbclient2 libqt6core6 libqt6widgets6 libqt6sql6 libc6; do
  grep -Eq "(^|, )$dependencia( |,|$)" <<<"$(campo Depends)" || falha "Depends sem $dependencia: $(campo Depends)"
done
grep -q "qt6-translations-l10n" <<<"$(campo Recommends)" || falha "Recommends: $(campo Recommends)"

# The desktop entry: Portuguese name and comment, the office categories, the icon that ships.
ENTRADA="$RAIZ/usr/share/applications/e-contas.desktop"
for linha in "Name[pt_BR]=e-Contas TCM-PA" "Exec=TvEcontas" "Icon=e-contas" "Categories=Office;Finance;"; do
  grep -qxF "$linha" "$ENTRADA" || falha "entrada de menu sem \"$linha\""
done
grep -q "^Comment\[pt_BR\]=.*TCM-PA" "$ENTRADA" || falha "entrada de menu sem comentário em português"
desktop-file-validate "$ENTRADA" || falha "desktop-file-validate"

# The programs carry no path into the build tree and run from where the package puts them.
for programa in TvEcontas TvEcontasLote; do
  readelf -d "$RAIZ/usr/bin/$programa" | grep -Eq "RPATH|RUNPATH" && falha "$programa com RPATH/RUNPATH"
  grep -qaF "$BUILD" "$RAIZ/usr/bin/$programa" && falha "$programa contém o caminho da pasta de compilação"
done
LOTE="$RAIZ/usr/bin/TvEcontasLote"
(cd "$TMP" && "$LOTE" >"$TMP/uso.out" 2>"$TMP/uso.err"); status=$?
[ "$status" = 2 ] || falha "TvEcontasLote sem argumentos: status $status (esperado 2)"
head -1 "$TMP/uso.err" | grep -q "^uso: TvEcontasLote <banco> <ano> <usuario> <verbo>" \
  || falha "uso: $(cat "$TMP/uso.err")"
grep -q "^  processar MMYYYY PASTA" "$TMP/uso.err" || falha "uso sem o verbo processar"
versao=$(cd "$TMP" && "$LOTE" --versao); status=$?
[ "$status" = 0 ] || falha "TvEcontasLote --versao: status $status (esperado 0)"
[ "$versao" = "TvEcontasLote $VERSAO" ] || falha "TvEcontasLote --versao escreveu \"$versao\""

# The manual page documents every exit status and the database environment.
PAGINA=$(zcat "$RAIZ/usr/share/man/man1/TvEcontasLote.1.gz")
for texto in "e-Contas $VERSAO" ".B 0" ".B 1" ".B 2" ".B 3" ".B 4" ".B ISC_USER" ".B ISC_PASSWORD" ".SH EXEMPLOS"; do
  grep -qF -- "$texto" <<<"$PAGINA" || falha "página de manual sem \"$texto\""
done

# lintian: no error (the warnings kept on purpose are listed in the README).
if lintian --fail-on error --tag-display-limit 0 "$DEB" >"$TMP/lintian.log" 2>&1; then
  cat "$TMP/lintian.log"
else
  cat "$TMP/lintian.log" >&2
  falha "lintian encontrou erros"
fi

[ "$falhas" = 0 ] && echo "pacote $DEB: tudo certo" || exit 1
