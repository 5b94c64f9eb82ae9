# Writes catalogo_versao.csv, the stamp of the catalogue in ZelBt01.zel: its release number and a digest
# of the files its catalogue tables are built from (the schema and every CSV but the device library's).
# A program compares the installed catalogue's stamp with the user's library to know when the user's
# catalogue tables must be renewed; the device tables are the user's own and take no part in it.
#
#   cmake -DOUT=<csv> -DRELEASE=<n> -DSCHEMA=<ZelBt01.sql> -DCSV_DIR=<data/ZelBt01> -P catalogo_versao.cmake

cmake_minimum_required(VERSION 3.25)

set(DEVICE_TABLES dispositivo_protecao disjuntor_corrente_nominal disjuntor_pontos_curva fusivel_corrente_nominal)

file(GLOB csvs ${CSV_DIR}/*.csv)
list(SORT csvs)
# File names, not paths: the digest must not depend on where the sources were checked out.
get_filename_component(name ${SCHEMA} NAME)
file(SHA256 ${SCHEMA} hash)
set(summary "${name} ${hash}\n")
foreach(csv IN LISTS csvs)
  get_filename_component(table ${csv} NAME_WE)
  if(table IN_LIST DEVICE_TABLES OR table STREQUAL "catalogo_versao")
    continue()
  endif()
  get_filename_component(name ${csv} NAME)
  file(SHA256 ${csv} hash)
  string(APPEND summary "${name} ${hash}\n")
endforeach()
string(SHA256 digest "${summary}")
string(SUBSTRING ${digest} 0 16 digest)

set(text "# carimbo do catálogo: versão (data/CMakeLists.txt) e resumo das fontes, gerado pelo build\n")
string(APPEND text "catalogo_versao_numero,catalogo_versao_assinatura\n${RELEASE},${digest}\n")
file(WRITE ${OUT} "${text}")
