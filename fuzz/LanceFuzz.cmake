# Runs one fuzz program as a test: over a fresh copy of its starting inputs (the
# scratch corpus, in the build, that libFuzzer may add to) and the corpus kept
# in the repository (read only), for DUREE seconds; a crash, a hang, memory
# without end or a broken property fails.
#   cmake -DPROGRAMME=<program> -DGRAINES=<starting inputs> -DCORPUS=<scratch corpus>
#         -DCORPUS_GARDE=<kept corpus>
#         -DDICTIONNAIRE=<dict> -DMAX_LEN=<bytes> -DDUREE=<seconds>
#         -DTROUVAILLES=<folder for the inputs that fail> -P LanceFuzz.cmake
file(REMOVE_RECURSE ${CORPUS})
file(MAKE_DIRECTORY ${CORPUS} ${TROUVAILLES})
file(COPY ${GRAINES}/ DESTINATION ${CORPUS})
set(gardes)
if(IS_DIRECTORY ${CORPUS_GARDE})
  set(gardes ${CORPUS_GARDE})
endif()
get_filename_component(nom ${PROGRAMME} NAME)
execute_process(
  COMMAND ${PROGRAMME} -max_total_time=${DUREE} -timeout=5 -rss_limit_mb=2048 -max_len=${MAX_LEN}
          -dict=${DICTIONNAIRE} -artifact_prefix=${TROUVAILLES}/${nom}- -print_final_stats=1 ${CORPUS} ${gardes}
  RESULT_VARIABLE resultat)
if(NOT resultat EQUAL 0)
  message(FATAL_ERROR "${nom} a trouvé une faute (${resultat}) : l'entrée est dans ${TROUVAILLES}")
endif()
