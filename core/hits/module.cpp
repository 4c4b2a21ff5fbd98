// Module sources land here.
