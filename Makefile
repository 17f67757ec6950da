# Thin front for the scripts in scripts/.
.PHONY: run test fuzz bench dist
run:   ; bash scripts/run.sh
test:  ; bash scripts/test.sh
fuzz:  ; bash scripts/fuzz.sh $(SECONDS)
bench: ; bash scripts/bench.sh
dist:  ; bash scripts/dist.sh
